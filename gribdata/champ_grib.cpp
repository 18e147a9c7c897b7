#include "gribdata/champ_grib.h"

#include <new>

Grib::~Grib()
{
    delete[] valeurs;
    delete[] valeurs2;
}

void Grib::init()
{
    // Back to a fresh object's state, arrays released, without listing the
    // fields a second time.
    this->~Grib();
    new (this) Grib();
}
