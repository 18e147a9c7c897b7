// Loading messages by number and searching the descriptions.
#include "codes/ibfile.h"

#include "codes/logerr.h"

#include <cstring>

namespace {

const char* pcMagique(unsigned int type)
{
    return type == STRUCT_FILE_MESSAGE::GRIB ? "GRIB"
           : type == STRUCT_FILE_MESSAGE::BUFR ? "BUFR" : "QX1";
}

}  // namespace

bool CLASS_CODES_IBFILE::bNumeroValide(int n)
{
    if (n >= 1 && n <= i_nombre)
        return true;
    CLASS_CODES_LOGERR::iErr(1, "numero hors-limites", "%d (1 %d)", n, i_nombre);
    return false;
}

unsigned long CLASS_CODES_IBFILE::ulGet(int n)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "ulGet");
    if (iIsFileOpen() != 0 || !bNumeroValide(n))
        return 0;
    i_position = n;
    const STRUCT_FILE_MESSAGE& d = descriptions[n - 1];
    const unsigned long longueur = d.ulLongueur();
    if (longueur >= 16777215 || longueur > ul_max) {
        CLASS_CODES_LOGERR::iErr(1, "Message trop long");
        return 0;
    }
    puc_message = pucProjete(d.ulOffset(), longueur);
    if (!puc_message) {
        puc_message = puc_tampon;
        if (fseeko(pf_donnees, (off_t)d.ulOffset(), SEEK_SET) != 0) {
            CLASS_CODES_LOGERR::iErr(1, "erreur seek");
            return 0;
        }
        if (std::fread(puc_tampon, 1, longueur, pf_donnees) != longueur) {
            CLASS_CODES_LOGERR::iErr(1, "longueur incorrect");
            return 0;
        }
    }
    // An index that no longer matches its data file.
    const char* magique = pcMagique(d.uiType());
    if (longueur < std::strlen(magique) ||
        std::memcmp(puc_message, magique, std::strlen(magique)) != 0) {
        CLASS_CODES_LOGERR::iErr(1, "message absent a cette position", "%lu",
                                 (unsigned long)d.ulOffset());
        return 0;
    }
    return longueur;
}

int CLASS_CODES_IBFILE::iGetDescription(STRUCT_FILE_MESSAGE& d, int n)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetDescription");
    if (iIsFileIndexOpen() != 0 || !bNumeroValide(n == 0 ? i_position + 1 : n))
        return 1;
    d = descriptions[n == 0 ? i_position : n - 1];
    return 0;
}

void CLASS_CODES_IBFILE::vSetCurrent(int n)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetCurrent");
    if (iIsFileOpen() == 0 && bNumeroValide(n))
        i_position = n - 1;
}

int CLASS_CODES_IBFILE::iGetGribNumber(unsigned int parametre)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetGribNumber");
    if (iIsFileOpen() != 0)
        return -1;
    for (int k = i_position; k < i_nombre; ++k)
        if (descriptions[k].uiType() == STRUCT_FILE_MESSAGE::GRIB &&
            descriptions[k].uiParametre() == parametre)
            return k + 1;
    return 0;
}

int CLASS_CODES_IBFILE::iGetGribNumber(unsigned int parametre, unsigned int echeance)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetGribNumber");
    if (iIsFileOpen() != 0)
        return -1;
    for (int k = 0; k < i_nombre; ++k) {
        const STRUCT_FILE_MESSAGE& d = descriptions[k];
        unsigned int e = 0;
        if (d.uiType() == STRUCT_FILE_MESSAGE::GRIB && d.uiParametre() == parametre &&
            iGetEcheance(d.uiIndicateur(), d.uiP1(), d.uiP2(), e) >= 0 && e == echeance)
            return k + 1;
    }
    return 0;
}

int CLASS_CODES_IBFILE::iGetGribNumber(unsigned int parametre, unsigned int echeance,
                                       unsigned int niveau)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetGribNumber");
    if (iIsFileOpen() != 0)
        return -1;
    for (int k = 0; k < i_nombre; ++k) {
        const STRUCT_FILE_MESSAGE& d = descriptions[k];
        unsigned int e = 0, l = 0;
        if (d.uiType() == STRUCT_FILE_MESSAGE::GRIB && d.uiParametre() == parametre &&
            iGetEcheance(d.uiIndicateur(), d.uiP1(), d.uiP2(), e) >= 0 && e == echeance &&
            iGetNiveau(d.uiTypeNiveau(), d.uiNiveau1(), d.uiNiveau2(), l) >= 0 &&
            l == niveau)
            return k + 1;
    }
    return 0;
}

// The level codes themselves: level values are 0 for many types, which
// would pair the surface with mean sea level.
bool CLASS_CODES_IBFILE::bMemeNiveau(int a, int b)
{
    const STRUCT_FILE_MESSAGE& x = descriptions[a];
    const STRUCT_FILE_MESSAGE& y = descriptions[b];
    return x.uiTypeNiveau() == y.uiTypeNiveau() && x.uiNiveau1() == y.uiNiveau1() &&
           x.uiNiveau2() == y.uiNiveau2();
}

int CLASS_CODES_IBFILE::iGetGribSuivant(int n)
{
    return iGetGribSuivant(n, [](int) { return true; });
}

int CLASS_CODES_IBFILE::iGetGribSuivant(int n, const std::function<bool(int)>& retenu)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iGetGribSuivant");
    if (iIsFileOpen() != 0)
        return -1;
    if (n < 1 || n > i_nombre)
        return 0;
    for (int k = n; k < i_nombre; ++k)
        if (descriptions[k].uiType() == STRUCT_FILE_MESSAGE::GRIB &&
            descriptions[k].uiParametre() == descriptions[n - 1].uiParametre() &&
            bMemeNiveau(k, n - 1) && retenu(k + 1))
            return k + 1;
    return 0;
}

namespace {

bool bMemesTemps(const STRUCT_FILE_MESSAGE& a, const STRUCT_FILE_MESSAGE& b)
{
    return a.uiCleDate() == b.uiCleDate() && a.uiUnite() == b.uiUnite() &&
           a.uiP1() == b.uiP1() && a.uiP2() == b.uiP2() && a.uiIndicateur() == b.uiIndicateur();
}

}  // namespace

int CLASS_CODES_IBFILE::intGetAssocie(int n, int parametre)
{
    return intGetAssocie(n, parametre, [](int) { return true; });
}

int CLASS_CODES_IBFILE::intGetAssocie(int n, int parametre,
                                      const std::function<bool(int)>& retenu)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "intGetAssocie");
    if (n < 1 || n > i_nombre)
        return 0;
    for (int k = 0; k < i_nombre; ++k)
        if (bMemesTemps(descriptions[k], descriptions[n - 1]) && bMemeNiveau(k, n - 1) &&
            (int)descriptions[k].uiParametre() == parametre && retenu(k + 1))
            return k + 1;
    return 0;
}

int CLASS_CODES_IBFILE::intGetAssocie(int n, const char* nom)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "intGetAssocie");
    if (n < 1 || n > i_nombre || !nom)
        return 0;
    const STRUCT_FILE_MESSAGE& m = descriptions[n - 1];
    for (int k = 0; k < i_nombre; ++k) {
        const STRUCT_FILE_MESSAGE& d = descriptions[k];
        if (!bMemesTemps(d, m) || d.uiMoyenne() != m.uiMoyenne() ||
            d.uiManquants() != m.uiManquants())
            continue;
        const char* trouve = cpcNom(k);
        if (trouve && std::strcmp(trouve, nom) == 0)
            return k + 1;
    }
    return 0;
}
