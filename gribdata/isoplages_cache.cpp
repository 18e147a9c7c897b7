#include "gribdata/isoplages_cache.h"

void (*vLibereIsoplages)(isoplages*) = nullptr;

void vLibereCacheIsoplages(isoplages*& cache)
{
    if (cache && vLibereIsoplages)
        vLibereIsoplages(cache);
    cache = nullptr;
}
