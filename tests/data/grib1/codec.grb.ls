codec.grb
edition                 dataRepresentationType  bitsPerValue            decimalScaleFactor      numberOfPoints          max                     
1                       0                       8                       0                       30                      1088.94                
1                       0                       12                      0                       30                      1088.79                
1                       0                       16                      0                       30                      1088.78                
1                       0                       24                      0                       30                      1088.78                
1                       0                       8                       0                       30                      1088.94                
1                       0                       16                      0                       30                      1088.78                
1                       0                       10                      1                       30                      1088.74                
1                       0                       14                      2                       30                      1088.74                
1                       0                       17                      3                       30                      1088.78                
1                       0                       7                       -1                      30                      1884.42                
1                       0                       0                       0                       30                      12.5                   
11 of 11 messages in codec.grb

11 of 11 total messages in 1 files
