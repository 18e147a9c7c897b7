// The size-guessing decompression the program used to do, kept here only as
// the benchmark's point of comparison: allocate k x S bytes (S the compressed
// size), decompress from the start, and if the stream did not end within the
// buffer, start over with k + 1, up to k = 99.
#ifndef BENCH_GUESS_RETRY_H
#define BENCH_GUESS_RETRY_H

char* gzipParEssais(const char* file, unsigned int& n);
char* bzip2ParEssais(const char* file, unsigned int& n);

#endif
