stereo.grb
edition                 dataRepresentationType  bitsPerValue            decimalScaleFactor      numberOfPoints          max                     
1                       5                       10                      0                       496                     294.872                
1 of 1 messages in stereo.grb

1 of 1 total messages in 1 files
