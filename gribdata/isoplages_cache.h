// The contouring caches that a record keeps for the map. Their type belongs
// to the map, which installs the function that releases them; this side
// only ever sees pointers.
#ifndef GRIBDATA_ISOPLAGES_CACHE_H
#define GRIBDATA_ISOPLAGES_CACHE_H

class isoplages;

// Installed by the map; null until then, while no cache can exist.
extern void (*vLibereIsoplages)(isoplages*);

// Releases a cache through the map's function and clears the pointer.
void vLibereCacheIsoplages(isoplages*& cache);

#endif
