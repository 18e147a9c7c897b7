#include "map/tdc.h"

#include "gribdata/decompression.h"
#include "gribdata/globales.h"

#include <FL/Fl.H>
#include <cstdio>
#include <sys/stat.h>

namespace {

const char* const TAG = "<TDC>";

bool bExiste(const char* chemin)
{
    struct stat st;
    return stat(chemin, &st) == 0;
}

// The whole level file, from its .gz when there is one, else from its
// .bz2; null when neither can be read.
char* pcLireNiveau(int niveau, unsigned& longueur)
{
    char chemin[64];
    std::snprintf(chemin, sizeof chemin, "img%sdata%d.dat.gz", "/", niveau);
    if (bExiste(chemin)) {
        vJournal(TAG, "chargement TDC%d gzip START\n", niveau);
        longueur = 2;
        return gzip(chemin, longueur);
    }
    std::snprintf(chemin, sizeof chemin, "img%sdata%d.dat.bz2", "/", niveau);
    vJournal(TAG, "chargement TDC%d bzip2 START\n", niveau);
    longueur = niveau == 0 ? 2 : 3;
    return bzip2(chemin, longueur);
}

TYPEDEF_TDC* pNouveau(const LectureTdc& lu, float echelle)
{
    TYPEDEF_TDC* t = new TYPEDEF_TDC;
    t->nombre = lu.nombre;
    t->niveau = lu.niveau;
    t->sud = float(lu.sud / double(echelle));
    t->ouest = float(lu.ouest / double(echelle));
    t->nord = float(lu.nord / double(echelle));
    t->est = float(lu.est / double(echelle));
    t->latitudes = new short[lu.nombre];
    t->longitudes = new short[lu.nombre];
    for (int i = 0; i < lu.nombre; ++i) {
        t->latitudes[i] = iValeurTdc(lu.latitudes, i);
        t->longitudes[i] = iValeurTdc(lu.longitudes, i);
    }
    t->suivant = nullptr;
    return t;
}

struct BilanLecture {
    size_t position = 0;
    int enregistrements = 0;
    int niveauMin = 100, niveauMax = -1;
};

// Reads the records in file order. A file is trusted no further than its
// bytes: reading stops at the first record that does not fit in what is
// left or has no points, and the records before it are kept.
TYPEDEF_TDC* pLireChaine(int niveau, const unsigned char* d, size_t taille, BilanLecture& b)
{
    TYPEDEF_TDC* premier = nullptr;
    TYPEDEF_TDC** fin = &premier;
    while (b.position < taille) {
        LectureTdc lu{};
        const size_t lg = niveau == 0 ? iLireTdc0(d + b.position, taille - b.position, lu)
                                      : iLireTdc(d + b.position, taille - b.position, lu);
        if (lg == 0) {
            vJournal(TAG, "TDC%d: enregistrement %d illisible a l'octet %zu sur %zu%s, "
                     "lecture arretee (%d enregistrements gardes)\n",
                     niveau, b.enregistrements + 1, b.position, taille,
                     lu.nombre > TDC_POINTS_MAX ? " (trop de points)" : "", b.enregistrements);
            break;
        }
        if (niveau > 0 && lu.niveau == 0)
            vJournal(TAG, "ATTENTION: niveau: %d nombre:%d\n", lu.niveau, lu.nombre);
        if (lu.niveau < b.niveauMin)
            b.niveauMin = lu.niveau;
        if (lu.niveau > b.niveauMax)
            b.niveauMax = lu.niveau;
        *fin = pNouveau(lu, TDC_ECHELLES[niveau]);
        fin = &(*fin)->suivant;
        b.position += lg;
        ++b.enregistrements;
    }
    return premier;
}

}  // namespace

void tdc::vChargerNiveau0()
{
    unsigned longueur = 0;
    char* donnees = pcLireNiveau(0, longueur);
    if (!donnees)
        return;
    BilanLecture b;
    chaines[0] = pLireChaine(0, reinterpret_cast<unsigned char*>(donnees), longueur, b);
    vJournal(TAG, "Fin chargement TDC0 limite:%d\n", int(b.position));
    delete[] donnees;
}

int tdc::load_file(int niveau)
{
    if (niveau < 1 || niveau >= TDC_NIVEAUX)
        return 0;
    unsigned longueur = 0;
    char* donnees = pcLireNiveau(niveau, longueur);
    TYPEDEF_TDC* chaine = nullptr;
    if (donnees) {
        BilanLecture b;
        chaine = pLireChaine(niveau, reinterpret_cast<unsigned char*>(donnees), longueur, b);
        delete[] donnees;
        if (chaine) {
            vClasser(niveau, chaine);
            vJournal(TAG, "fin chargement TDC%d niveaux: %d a %d \n", niveau, b.niveauMin,
                     b.niveauMax);
            charge[niveau] = 1;
        } else {
            vJournal(TAG, "TDC%d: aucun enregistrement lisible\n", niveau);
        }
    }
    if (!chaine)
        chaine = chaines[niveau - 1];

    Fl::lock();
    vJournal(TAG, "affectation TDC%d \n", niveau);
    chaines[niveau] = chaine;
    if (niveau == 4)
        chaines[5] = chaine;
    Fl::unlock();
    vJournal(TAG, "chargement terminé TDC%d\n", niveau);
    return 0;
}

// Files each record under the square of its south-west corner. A square
// keeps its records in file order; an empty square is one empty cell.
void tdc::vClasser(int niveau, TYPEDEF_TDC* premier)
{
    TYPEDEF_TDC_CASE* derniers[TDC_CARRES];
    for (int c = 0; c < TDC_CARRES; ++c)
        derniers[c] = carres[niveau][c] = new TYPEDEF_TDC_CASE{nullptr, nullptr};
    for (TYPEDEF_TDC* t = premier; t; t = t->suivant) {
        const int c = iMarsden(t->sud, t->ouest);
        if (!bMarsdenValide(c)) {
            vJournal(TAG, "ERROR marsden: %d lat:%f lon:%f echelle:%f\n", c, t->sud, t->ouest,
                     echelles[niveau]);
            continue;
        }
        if (derniers[c]->tdc)
            derniers[c] = derniers[c]->suivant = new TYPEDEF_TDC_CASE{nullptr, nullptr};
        derniers[c]->tdc = t;
    }
}
