ecmwf_t2m.grib1
offset                       totalLength                  centre                       generatingProcessIdentifier  indicatorOfParameter         indicatorOfTypeOfLevel       level                        indicatorOfUnitOfTimeRange   P1                           P2                           timeRangeIndicator           validityDate                 validityTime                 
0                            1100                         98                           130                          167                          1                            0                            1                            0                            0                            0                            20080206                     1200                        
1 of 1 messages in ecmwf_t2m.grib1

1 of 1 total messages in 1 files
