cmc_stereo.grib
offset                  totalLength             dataRepresentationType  bitsPerValue            numberOfPoints          
0                       14524                   5                       9                       12825                  
1 of 1 messages in cmc_stereo.grib

1 of 1 total messages in 1 files
