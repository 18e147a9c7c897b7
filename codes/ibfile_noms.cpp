// Parameter names of GRIB messages from grib/param.txt: blocks of a header
// line "name rows" and that many lines of six integers and two reals.
#include "codes/ibfile.h"

#include "codes/logerr.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const NUL = "***NULL***";
const size_t NOM_MAX = 23;
char ca_nom[NOM_MAX + 1];

struct Fermeture {
    FILE* f;
    ~Fermeture()
    {
        if (f)
            std::fclose(f);
    }
};

bool bLigneVide(const char* ligne)
{
    return ligne[0] == '*' || ligne[0] == ' ' || ligne[0] == '\t' || ligne[0] == '\n' ||
           ligne[0] == '\r';
}

}  // namespace

// 0 read (or nothing to read), -1 malformed.
int CLASS_CODES_IBFILE::iLireNoms()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iLireNoms");
    char* chemin = pcCodesGbTables(nullptr, "grib", "param", "txt");
    if (!chemin)
        return 0;
    struct stat st;
    Fermeture f{stat(chemin, &st) == 0 ? std::fopen(chemin, "rt") : nullptr};
    if (!f.f && stat(chemin, &st) != 0)
        CLASS_CODES_LOGERR::iErr(1, "fichier 'param.txt' introuvable");
    delete[] chemin;
    if (!f.f)
        return 0;
    char ligne[1024];
    while (std::fgets(ligne, sizeof ligne, f.f)) {
        if (bLigneVide(ligne))
            continue;
        char nom[sizeof ligne];
        int lignes = 0;
        if (std::sscanf(ligne, "%1023s %d", nom, &lignes) != 2 || lignes < 0 ||
            std::strlen(nom) > NOM_MAX)
            return CLASS_CODES_LOGERR::iErr(-1, "fichier param.txt incorrect:", "%s", ligne);
        BlocNoms bloc;
        bloc.nom = nom;
        for (int k = 0; k < lignes; ++k) {
            LigneNom l;
            if (!std::fgets(ligne, sizeof ligne, f.f) ||
                std::sscanf(ligne, "%d %d %d %d %d %d %f %f", &l.centre, &l.version,
                            &l.parametre, &l.type, &l.niveau1, &l.niveau2, &l.facteur,
                            &l.decalage) != 8)
                return CLASS_CODES_LOGERR::iErr(-1, "fichier param.txt incorrect:", "%s",
                                                ligne);
            bloc.lignes.push_back(l);
        }
        noms.push_back(bloc);
    }
    return 0;
}

// Name of the description at `index`, null when it has none.
const char* CLASS_CODES_IBFILE::cpcNom(int index)
{
    const STRUCT_FILE_MESSAGE& d = descriptions[index];
    if (d.uiType() != STRUCT_FILE_MESSAGE::GRIB)
        return nullptr;
    for (const BlocNoms& bloc : noms)
        for (const LigneNom& l : bloc.lignes)
            if ((l.centre == 0 || l.centre == (int)d.uiCentre()) &&
                l.version == (int)d.uca[15] && l.parametre == (int)d.uiParametre() &&
                l.type == (int)d.uiTypeNiveau() && l.niveau1 == (int)d.uiNiveau1() &&
                l.niveau2 == (int)d.uiNiveau2())
                return bloc.nom.c_str();
    return nullptr;
}

const char* CLASS_CODES_IBFILE::cpcGetGribNom(unsigned int n)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "cpcGetGribNom");
    std::strcpy(ca_nom, NUL);
    if (descriptions.empty())
        return ca_nom;
    if (!i_noms_lus) {
        i_noms_lus = 1;
        if (iLireNoms() != 0)
            return nullptr;
    }
    if (n == 0 || n > (unsigned int)i_nombre)
        n = (unsigned int)i_position + 1;
    if (!bNumeroValide((int)n))
        return ca_nom;
    i_position = (int)n - 1;
    if (const char* nom = cpcNom(i_position))
        std::strcpy(ca_nom, nom);
    return ca_nom;
}
