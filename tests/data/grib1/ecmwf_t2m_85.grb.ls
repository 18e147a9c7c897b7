ecmwf_t2m_85.grb
offset                       totalLength                  centre                       table2Version                generatingProcessIdentifier  indicatorOfParameter         indicatorOfTypeOfLevel       level                        dataDate                     dataTime                     indicatorOfUnitOfTimeRange   P1                           P2                           timeRangeIndicator           validityDate                 validityTime                 decimalScaleFactor           bitsPerValue                 
0                            580                          85                           1                            78                           167                          1                            0                            20080206                     1200                         1                            0                            0                            0                            20080206                     1200                         0                            8                           
1 of 1 messages in ecmwf_t2m_85.grb

1 of 1 total messages in 1 files
