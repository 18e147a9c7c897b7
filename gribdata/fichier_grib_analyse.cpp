// Scanning a buffer for GRIB edition 1 messages. Only section 0 and the
// first octets of section 1 are read; values are left to the field decoder.
#include "gribdata/fichier_grib.h"

#include "codes/octets_grib.h"
#include "gribdata/serie_grib.h"
#include "gribdata/garde_sigbus.h"
#include "gribdata/globales.h"
#include "gribdata/parametres.h"

#include <cstring>
#include <map>

namespace {

// Shorter than this, what remains cannot hold a message worth listing.
const unsigned int RESTE_MIN = 84;
// Section 0, a section 1 of its 28 fixed octets and section 5.
const uint32_t MESSAGE_MIN = 8 + 28 + 4;

// Everything is read from the buffer before the record is allocated: a
// read cut short by a shrinking file leaves nothing behind.
grib* lireEnregistrement(const unsigned char* m, uint32_t position, uint32_t longueur,
                         const char* nom)
{
    const unsigned char* s1 = m + 8;
    grib lu{};
    grib* g = &lu;
    g->position = position;
    g->longueur = longueur;
    g->drapeaux = 0;
    g->gds = s1[7] & 0x80 ? 1 : 0;
    g->bms = s1[7] & 0x40 ? 1 : 0;
    g->edition = m[7];
    g->annee = uint16_t(s1[12] + (s1[12] < 70 ? 2000 : 1900));
    g->mois = s1[13];
    g->jour = s1[14];
    g->heure = s1[15];
    g->table = s1[3];
    g->centre = s1[4];
    g->process = s1[5];
    g->parametre = s1[8];
    g->typeNiveau = s1[9];
    g->niveau1 = s1[10];
    g->niveau2 = s1[11];
    g->uniteTemps = s1[17];
    g->p1 = s1[18];
    g->p2 = s1[19];
    g->indicateur = s1[20];
    g->nombreMoyenne = uint16_t(u16(s1 + 21));
    g->nombreManquants = s1[23];
    g->siecle = s1[24];
    g->message = m;
    g->nomFichier = nom;
    g->grille = uiEmpreinteGrille(m, longueur);
    g->ligneParametre = pLigneParametre(g->parametre, g->typeNiveau);
    File::validite(g);
    return new grib(lu);
}

// A message cut by the end of the octets after the last one listed: its
// section 0 whole (the mark, a length and edition 1), a length past the
// end. A text that merely holds the word is none.
bool bCoupe(const unsigned char* octets, uint32_t n)
{
    for (const unsigned char* m = octets; n >= 8;) {
        const void* marque = memmem(m, n, "GRIB", 4);
        if (!marque)
            return false;
        const uint32_t saut = uint32_t(static_cast<const unsigned char*>(marque) - m);
        m += saut, n -= saut;
        if (n >= 8 && m[7] == 1 && u24(m + 4) > n)
            return true;
        ++m, --n;
    }
    return false;
}

}  // namespace

void File::analyse()
{
    menageliste();
    // A mapped file shrinking under the scan stops it: nothing is listed.
    if (!bLectureProjetee([](void* f) { static_cast<File*>(f)->parcourir(); }, this)) {
        vJournal("<FICHIERGRIB>", "%s a change pendant sa lecture: aucun message\n",
                 name ? name : "memoire");
        menageliste();
        return;
    }
    if (tronque)
        vJournal("<FICHIERGRIB>", "%s se termine dans un message, qui n'est pas liste\n",
                 name ? name : "memoire");
    if (count > 0) {
        tri();
        chainerPluies();
    }
}

void File::parcourir()
{
    grib** queue = &list;
    uint32_t p = 0, fin = 0;
    while (buffer && length >= RESTE_MIN && p <= length - RESTE_MIN) {
        const unsigned char* m = buffer + p;
        const uint32_t longueur = u24(m + 4);
        // A declared length that runs past the buffer or cannot hold the
        // sections is no message: look for the next "GRIB" one byte on.
        if (std::memcmp(m, "GRIB", 4) != 0 || m[7] != 1 || longueur < MESSAGE_MIN ||
            longueur > length - p) {
            ++p;
            continue;
        }
        *queue = lireEnregistrement(m, p, longueur, name);
        queue = &(*queue)->suivant;
        ++count;
        p += longueur;
        fin = p;
    }
    tronque = buffer && bCoupe(buffer + fin, length - fin);
}

void File::chainerPluies()
{
    std::map<SerieGrib, grib*> dernieres;
    for (grib* g = list; g; g = g->suivant) {
        g->pluiePrecedente = nullptr;
        if (g->parametre == 61) {
            grib*& precedente = dernieres[serieGrib(*g)];
            g->pluiePrecedente = precedente;
            precedente = g;
        }
    }
}
