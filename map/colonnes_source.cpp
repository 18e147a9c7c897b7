#include "map/colonnes_source.h"

#include <algorithm>

int iBorne(long long v, int n)
{
    return int(std::clamp<long long>(v, 0, n - 1));
}

std::vector<int> colonnesSource(int largeur, int premiere, int avant, double pas, int W)
{
    const int run = std::max(1, int(W / pas));
    std::vector<int> colonnes(size_t(std::max(largeur, 0)));
    avant = std::clamp(avant, 0, int(colonnes.size()));
    premiere = iBorne(premiere, W);
    while (avant > 0 && premiere + (long long)((avant - 1) * pas) >= W)
        --avant;
    int i = 0;
    for (; i < avant; ++i)
        colonnes[size_t(i)] = iBorne(premiere + (long long)(i * pas), W);
    for (int j = 0; i < largeur; ++i, j = (j + 1) % run)
        colonnes[size_t(i)] = iBorne((long long)(j * pas), W);
    return colonnes;
}
