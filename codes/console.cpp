// Console pauses of the codes library's command-line use.
#include "codes/texte.h"

#include <cstdio>

namespace {
bool pausesCoupees = false;
int ZEL_i_LINES = 23;
}

void vCodesPause(int n)
{
    if (n == -99)
        pausesCoupees = true;
    if (pausesCoupees || n < 0)
        return;
    fprintf(stderr, "(%d)", n);
    fprintf(stderr, "...Pressez <RETURN> pour continuer...");
    fflush(stderr);
    getchar();
}

void vCodesModuloPause(int count, int n)
{
    if (count != 0 && count % ZEL_i_LINES == 0)
        vCodesPause(n);
}

int vCodesModuloPausePas(int lines)
{
    if (lines >= 1)
        ZEL_i_LINES = lines;
    return ZEL_i_LINES;
}

void vCodesClearScreen()
{
}
