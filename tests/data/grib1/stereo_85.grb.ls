stereo_85.grb
centre                       table2Version                generatingProcessIdentifier  indicatorOfParameter         dataRepresentationType       bitsPerValue                 
lfpw                         1                            78                           11                           5                            8                           
1 of 1 messages in stereo_85.grb

1 of 1 total messages in 1 files
