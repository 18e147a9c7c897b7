#include "gribdata/globales.h"

#include <cstdarg>

FILE* fichierlog = stdout;
int decalage = 0;

void vJournal(const char* tag, const char* format, ...)
{
    FILE* f = fichierlog ? fichierlog : stdout;
    flockfile(f);
    fprintf(f, "%s ", tag ? tag : "");
    va_list args;
    va_start(args, format);
    vfprintf(f, format, args);
    va_end(args);
    fflush(f);
    funlockfile(f);
}
