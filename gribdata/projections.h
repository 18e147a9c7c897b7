// Plain GRIB files are mapped into memory for speed, but another program
// may rewrite or shrink them while a page shows them: a read of a mapped
// page past the new end would end the program (SIGBUS). Each mapping is
// recorded with the file's descriptor, size and modification time at
// opening; records are decoded from a copy of their octets read with
// pread, once the file is checked unchanged.
#ifndef GRIBDATA_PROJECTIONS_H
#define GRIBDATA_PROJECTIONS_H

#include <cstddef>
#include <ctime>
#include <sys/types.h>

class Grib;
struct grib;

struct Projection {
    const unsigned char* debut = nullptr;
    size_t taille = 0;
    int fd = -1;            // open for as long as the mapping
    off_t octets = 0;       // the file's size and modification time
    timespec modification{};  // when it was opened
};

// Records a mapping (the descriptor now belongs to the registry).
void vInscrireProjection(const Projection& p);
// Forgets the mapping that starts at `debut` and closes its descriptor.
void vRetirerProjection(const unsigned char* debut);

// Decodes `r` into `champ`. From a mapped file: refused with
// GRIB_FICHIER_CHANGE (logged) when the file's size or modification time
// are no longer those it was opened with, or when its octets can no
// longer be read whole; otherwise decoded from a copy. Other buffers are
// decoded in place. Answers Grib::set's codes.
int iDecoderEnregistrement(Grib& champ, const grib& r);

// Reads `n` octets at `position` of `fd` into `octets`: 0, or -1 when the
// file ends before them or cannot be read.
int iLireOctets(int fd, off_t position, size_t n, unsigned char* octets);

#endif
