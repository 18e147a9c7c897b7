// Whole-file decompression into memory, for GRIB files, the interpolation
// input and the map data, which arrive as .gz or .bz2.
#ifndef GRIBDATA_DECOMPRESSION_H
#define GRIBDATA_DECOMPRESSION_H

// Both read the whole file and answer a new[] buffer holding exactly the
// decompressed bytes (no terminating zero), its length in `n`; on any failure
// they answer null and leave `n` as it was.
//
// On entry `n` is the caller's guess of the output size as a multiple of the
// compressed size S (0 and 1 both mean "start at S"). Values of 100 and more
// are refused, and so is an output larger than 99 x S or of 4 GiB and more:
// such a file is taken for a broken or hostile one rather than for data.
//
// Progress and failures are written to the activity log, tag <DECOMPRESSION>.

// A file of several concatenated bzip2 streams (pbzip2's output, or `cat` of
// .bz2 files) yields all of them, as `bzip2 -dc` does; bytes after the last
// stream that do not start a new one are ignored, also like `bzip2 -dc`.
char* bzip2(const char* file, unsigned int& n);

// Every gzip member of the file is read. A file that is not gzip at all is
// refused (zlib would otherwise hand it back untouched).
char* gzip(const char* file, unsigned int& n);

#endif
