// Opening and closing a message file, and the life of its index.
#include "codes/ibfile.h"

#include "codes/logerr.h"

#include <cstring>
#include <new>
#include <unistd.h>

namespace {

char* pcCopieTexte(const char* texte)
{
    char* copie = new char[std::strlen(texte) + 1];
    std::strcpy(copie, texte);
    return copie;
}

}  // namespace

CLASS_CODES_IBFILE::CLASS_CODES_IBFILE()
    : puc_message(nullptr), i_nombre(0), pc_nom(nullptr), pc_index(nullptr),
      pf_donnees(nullptr), pf_index(nullptr), i_ouvert(0), i_index(0), st_donnees(),
      st_index(), ul_max(0), ul_min(0), i_position(0), puc_tampon(nullptr),
      puc_projection(nullptr), ul_projection(0), i_noms_lus(0), i_mode(0),
      i_index_existait(0), b_projeter(false)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_CODES_IBFILE");
}

CLASS_CODES_IBFILE::CLASS_CODES_IBFILE(const char* nom, int mode) : CLASS_CODES_IBFILE()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_CODES_IBFILE");
    iOpen(nom, mode);
}

CLASS_CODES_IBFILE::~CLASS_CODES_IBFILE()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "~CLASS_CODES_IBFILE");
    if (pc_nom)
        vClose();
    iCloseIndex();
}

int CLASS_CODES_IBFILE::iOpen(const char* nom, int mode)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iOpen");
    if (!nom)
        return CLASS_CODES_LOGERR::iErr(-1, "pointeur sur nomdefichier nul");
    vClose();
    i_mode = mode;
    pc_nom = pcCopieTexte(nom);
    vSetFichier(nom);
    vSetSuffixe("kdx");
    pc_index = pcCopieTexte(cpcGetFichier());
    struct stat st;
    i_index_existait = stat(pc_index, &st) == 0;
    if (!(mode == 1 && i_index_existait) && iOuvrirDonnees() != 0)
        return -1;
    return iOpenIndex() == 0 ? 0 : 1;
}

int CLASS_CODES_IBFILE::iOuvrirDonnees()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iOuvrirDonnees");
    pf_donnees = std::fopen(pc_nom, "rb");
    if (!pf_donnees || fstat(fileno(pf_donnees), &st_donnees) != 0) {
        if (pf_donnees)
            std::fclose(pf_donnees);
        pf_donnees = nullptr;
        return CLASS_CODES_LOGERR::iErr(-1, "fichier inconnu", "%s", pc_nom);
    }
    return 0;
}

int CLASS_CODES_IBFILE::iOpenIndex()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iOpenIndex");
    return iChargerIndex(false);
}

int CLASS_CODES_IBFILE::iChargerIndex(bool neuf)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iChargerIndex");
    std::vector<STRUCT_FILE_MESSAGE> lus;
    int lecture = iLireIndex(lus);
    if (lecture < 0)
        return -1;
    bool reconstruire = lecture > 0;
    if (!reconstruire && !neuf) {
        // A stale index (strictly older, whole seconds) or one that points
        // past the data is built again.
        if (pf_donnees && st_index.st_mtime < st_donnees.st_mtime)
            reconstruire = true;
        else if (!bIndexPlausible(lus))
            reconstruire = true;
    }
    if (reconstruire && !neuf) {
        if (iCloseIndex() != 0)
            return -1;
        // Mode 1 took the index without opening the data file.
        if (!pf_donnees && iOuvrirDonnees() != 0)
            return -1;
        return iAnalyse();
    }
    if (reconstruire)
        return CLASS_CODES_LOGERR::iErr(-1, "Index incorrect");
    vPrendre(lus);
    if (cGetenvXCodes(5) != '1' && i_mode == 0 && !i_index_existait &&
        unlink(pc_index) != 0)
        return CLASS_CODES_LOGERR::iErr(-1, "suppression fichier index impossible", "%s",
                                        pc_index);
    i_index = 1;
    if (i_mode == 0) {
        puc_tampon = new (std::nothrow) unsigned char[ul_max ? ul_max : 1];
        if (!puc_tampon)
            return CLASS_CODES_LOGERR::iErr(-1, "memoire insuffisante", "%lu", ul_max);
        puc_message = puc_tampon;
        i_ouvert = 1;
    }
    return 0;
}

// 0 read, 1 nothing usable (to build), -1 a short read.
int CLASS_CODES_IBFILE::iLireIndex(std::vector<STRUCT_FILE_MESSAGE>& lus)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iLireIndex");
    pf_index = std::fopen(pc_index, "rb");
    if (!pf_index || fstat(fileno(pf_index), &st_index) != 0)
        return 1;
    const long long nombre = (long long)st_index.st_size / STRUCT_FILE_MESSAGE::OCTETS_INDEX;
    if (nombre == 0)
        return 1;
    // The index is read as far as it goes: a lie about its size shows here.
    for (long long k = 0; k < nombre; ++k) {
        STRUCT_FILE_MESSAGE d = {};
        if (std::fread(d.uca, 1, STRUCT_FILE_MESSAGE::OCTETS_INDEX, pf_index) !=
            (size_t)STRUCT_FILE_MESSAGE::OCTETS_INDEX) {
            iCloseIndex();
            return CLASS_CODES_LOGERR::iErr(-1, "Index incorrect");
        }
        lus.push_back(d);
    }
    return iCloseIndex() == 0 ? 0 : -1;
}

bool CLASS_CODES_IBFILE::bIndexPlausible(const std::vector<STRUCT_FILE_MESSAGE>& lus)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "bIndexPlausible");
    struct stat st;
    const struct stat* donnees = pf_donnees ? &st_donnees : nullptr;
    if (!donnees && stat(pc_nom, &st) == 0)
        donnees = &st;
    if (!donnees)
        return true;
    for (const STRUCT_FILE_MESSAGE& d : lus)
        if (d.ulLongueur() == 0 ||
            (unsigned long long)d.ulOffset() + d.ulLongueur() >
                (unsigned long long)donnees->st_size) {
            CLASS_CODES_LOGERR::iErr(1, "index incoherent avec le fichier", "%s", pc_index);
            return false;
        }
    return true;
}

void CLASS_CODES_IBFILE::vPrendre(std::vector<STRUCT_FILE_MESSAGE>& lus)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vPrendre");
    descriptions.swap(lus);
    i_nombre = (int)descriptions.size();
    ul_min = ul_max = 0;
    for (size_t k = 0; k < descriptions.size(); ++k) {
        unsigned long l = descriptions[k].ulLongueur();
        if (k == 0 || l > ul_max)
            ul_max = l;
        if (k == 0 || l < ul_min)
            ul_min = l;
    }
}

int CLASS_CODES_IBFILE::iWriteIndex()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iWriteIndex");
    return iEcrireDescriptions(descriptions);
}

int CLASS_CODES_IBFILE::iEcrireDescriptions(const std::vector<STRUCT_FILE_MESSAGE>& d)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iEcrireDescriptions");
    if (!pf_index)
        pf_index = std::fopen(pc_index, "wb");
    if (!pf_index)
        return CLASS_CODES_LOGERR::iErr(-1, "Ouverture index impossible en ecriture", "%s",
                                        pc_index);
    if (d.empty())
        return CLASS_CODES_LOGERR::iErr(-1, "Pas  de messages (pile vide)");
    for (const STRUCT_FILE_MESSAGE& m : d)
        if (std::fwrite(m.uca, 1, STRUCT_FILE_MESSAGE::OCTETS_INDEX, pf_index) !=
            (size_t)STRUCT_FILE_MESSAGE::OCTETS_INDEX) {
            iCloseIndex();
            return CLASS_CODES_LOGERR::iErr(-1, "Ouverture index impossible en ecriture",
                                            "%s", pc_index);
        }
    return iCloseIndex();
}

int CLASS_CODES_IBFILE::iCloseIndex()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iCloseIndex");
    if (!pf_index)
        return 0;
    if (std::fclose(pf_index) != 0) {
        pf_index = nullptr;
        return CLASS_CODES_LOGERR::iErr(-1, "fermeture du fichier index abort");
    }
    pf_index = nullptr;
    return 0;
}

void CLASS_CODES_IBFILE::vClose()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vClose");
    vLibererProjection();
    delete[] puc_tampon;
    puc_tampon = nullptr;
    puc_message = nullptr;
    descriptions.clear();
    delete[] pc_index;
    pc_index = nullptr;
    if (pf_donnees && std::fclose(pf_donnees) != 0)
        CLASS_CODES_LOGERR::iErr(-1, "fermeture incorrecte du fichier");
    pf_donnees = nullptr;
    delete[] pc_nom;
    pc_nom = nullptr;
    i_nombre = 0;
    i_position = 0;
    i_ouvert = 0;
    i_index = 0;
}

int CLASS_CODES_IBFILE::iIsFileOpen()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iIsFileOpen");
    return i_ouvert ? 0 : CLASS_CODES_LOGERR::iErr(1, "pas de fichier ouvert");
}

int CLASS_CODES_IBFILE::iIsFileIndexOpen()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iIsFileIndexOpen");
    return i_index ? 0 : CLASS_CODES_LOGERR::iErr(1, "pas de fichier ouvert");
}
