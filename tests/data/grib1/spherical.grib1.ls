spherical.grib1
offset                  totalLength             dataRepresentationType  bitsPerValue            numberOfPoints          
0                       9358                    50                      16                      4160                   
1 of 1 messages in spherical.grib1

1 of 1 total messages in 1 files
