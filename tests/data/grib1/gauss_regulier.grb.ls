gauss_regulier.grb
edition                 dataRepresentationType  bitsPerValue            decimalScaleFactor      numberOfPoints          max                     
1                       4                       9                       0                       8192                    295.01                 
1 of 1 messages in gauss_regulier.grb

1 of 1 total messages in 1 files
