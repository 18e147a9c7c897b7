#include "gribdata/fichier_grib.h"

#include "gribdata/champ_grib.h"
#include "gribdata/projections.h"

#include <cstring>
#include <sys/mman.h>

File::File(const char* nom)
{
    initialisation(nom);
}

File::~File()
{
    menage();
}

void File::set(const char* nom)
{
    // initialisation() clears the flag once the caller's buffer is let go.
    initialisation(nom);
}

void File::set(const unsigned char* tampon, unsigned int longueur)
{
    menage();
    nonProprietaire = 1;
    buffer = tampon;
    length = tampon ? longueur : 0;
    analyse();
}

void File::initialisation(const char* nom)
{
    menage();
    nonProprietaire = 0;
    if (!nom)
        return;
    name = new char[std::strlen(nom) + 1];
    std::strcpy(name, nom);
    charger();
    if (buffer)
        analyse();
}

void File::menage()
{
    if (projection_) {
        vRetirerProjection(buffer);
        munmap(const_cast<unsigned char*>(buffer), projection_);
    }
    else if (!nonProprietaire)
        delete[] buffer;
    projection_ = 0;
    buffer = nullptr;
    length = 0;
    menageliste();
    delete[] name;
    name = nullptr;
}

void File::menageliste()
{
    vLibererListeGrib(list);
    count = 0;
    tronque = false;
}
