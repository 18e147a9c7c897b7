gauss.grb
edition                 dataRepresentationType  bitsPerValue            decimalScaleFactor      numberOfPoints          max                     
1                       4                       12                      0                       6114                    294.994                
1 of 1 messages in gauss.grb

1 of 1 total messages in 1 files
