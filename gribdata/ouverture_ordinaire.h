// Opening a file from outside that must be a plain file. A FIFO with no
// writer, or a device, would hold the caller in open or read for ever.
#ifndef GRIBDATA_OUVERTURE_ORDINAIRE_H
#define GRIBDATA_OUVERTURE_ORDINAIRE_H

#include <cstdio>
#include <unistd.h>

// Opens `chemin` read-only without blocking and answers its descriptor
// (blocking again) when it is a regular file. Anything else is refused
// (`refuse` set, errno EINVAL); -1 with errno otherwise too.
int iOuvrirOrdinaire(const char* chemin, bool& refuse);

// A descriptor closed when it goes out of scope (-1: none).
struct Descripteur {
    int fd;
    ~Descripteur()
    {
        if (fd >= 0)
            close(fd);
    }
};

// The same as a stream opened with `mode` (a reading mode).
FILE* pfOuvrirFichierOrdinaire(const char* chemin, const char* mode, bool& refuse);

#endif
