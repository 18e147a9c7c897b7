// The rows of a catalogue table, which a row with a null label ends.
#ifndef CATALOGUE_LIGNES_H
#define CATALOGUE_LIGNES_H

template <typename Ligne>
int iNombreLignes(const Ligne* table)
{
    int n = 0;
    while (table[n].libelle)
        ++n;
    return n;
}

#endif
