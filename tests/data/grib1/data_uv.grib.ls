data_uv.grib
offset                  totalLength             dataRepresentationType  bitsPerValue            numberOfPoints          
0                       5436                    0                       16                      2664                   
5520                    5436                    0                       16                      2664                   
11040                   5436                    0                       16                      2664                   
16560                   5436                    0                       16                      2664                   
22080                   5436                    0                       16                      2664                   
27600                   5436                    0                       16                      2664                   
33120                   5436                    0                       16                      2664                   
38640                   5436                    0                       16                      2664                   
44160                   5436                    0                       16                      2664                   
49680                   5436                    0                       16                      2664                   
55200                   5436                    0                       16                      2664                   
60720                   5436                    0                       16                      2664                   
66240                   5436                    0                       16                      2664                   
71760                   5436                    0                       16                      2664                   
77280                   5436                    0                       16                      2664                   
82800                   5436                    0                       16                      2664                   
16 of 16 messages in data_uv.grib

16 of 16 total messages in 1 files
