ecoclimap_debut.grib1
offset                  totalLength             dataRepresentationType  bitsPerValue            numberOfPoints          
12000                   51996                   10                      12                      34596                  
64080                   51996                   10                      12                      34596                  
116160                  51996                   10                      12                      34596                  
3 of 3 messages in ecoclimap_debut.grib1

3 of 3 total messages in 1 files
