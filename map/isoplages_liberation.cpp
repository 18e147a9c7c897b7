// The GRIB records own their contouring caches but only know them as
// pointers to an incomplete type: the map hands them the destructor.
#include "map/isoplages.h"

#include "gribdata/isoplages_cache.h"

namespace {

void vLiberer(isoplages* cache)
{
    delete cache;
}

}  // namespace

void vInstallerLiberationIsoplages()
{
    vLibereIsoplages = vLiberer;
}
