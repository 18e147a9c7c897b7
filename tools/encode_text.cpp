// Prints the stored form of each argument, one a line, for pasting into the
// program's data; gribdata's decode() turns it back into the text.
#include "gribdata/decode.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TEXT...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        char* stocke = encode(argv[i]);
        std::printf("%s\n", stocke);
        delete[] stocke;
    }
    return 0;
}
