t_n48.grib
offset                  totalLength             dataRepresentationType  bitsPerValue            numberOfPoints          
0                       26860                   4                       16                      13280                  
26880                   26860                   4                       16                      13280                  
53760                   26860                   4                       16                      13280                  
80640                   26860                   4                       16                      13280                  
4 of 4 messages in t_n48.grib

4 of 4 total messages in 1 files
