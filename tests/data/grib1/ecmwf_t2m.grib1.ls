ecmwf_t2m.grib1
offset                       totalLength                  centre                       table2Version                generatingProcessIdentifier  indicatorOfParameter         indicatorOfTypeOfLevel       level                        dataDate                     dataTime                     indicatorOfUnitOfTimeRange   P1                           P2                           timeRangeIndicator           validityDate                 validityTime                 decimalScaleFactor           bitsPerValue                 
0                            1100                         98                           128                          130                          167                          1                            0                            20080206                     1200                         1                            0                            0                            0                            20080206                     1200                         0                            16                          
1 of 1 messages in ecmwf_t2m.grib1

1 of 1 total messages in 1 files
