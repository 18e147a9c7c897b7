#include "map/remplacants_carte.h"

#include "map/fdc.h"

void (*fdcRemplacant)(const fdc*, const char*, int) = nullptr;

namespace {

void vSignaler(const fdc* carte, const char* couche, int argument = 0)
{
    if (fdcRemplacant)
        fdcRemplacant(carte, couche, argument);
}

}  // namespace

void fdc::drawRoutes() { vSignaler(this, "drawRoutes"); }
