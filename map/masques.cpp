#include "map/masques.h"

#include "map/masque.h"

// "1hr" is loaded but no model number prints as it.
TYPEDEF_MASQUE MASQUES[NOMBRE_MASQUES] = {
    {"1hr", nullptr}, {"1", nullptr},  {"41", nullptr}, {"42", nullptr},
    {"43", nullptr},  {"51", nullptr}, {"5", nullptr},  {"8", nullptr},
    {"10", nullptr},  {nullptr, nullptr},
};

void load_masques()
{
    for (TYPEDEF_MASQUE* m = MASQUES; m->nom; ++m) {
        delete m->masque;
        m->masque = new Masque(m->nom);
        if (m->masque->ouverture != 0) {
            delete m->masque;
            m->masque = nullptr;
        }
    }
}

void free_masques()
{
    for (TYPEDEF_MASQUE* m = MASQUES; m->nom; ++m) {
        delete m->masque;
        m->masque = nullptr;
    }
}
