#include "codes/path.h"

#include "codes/logerr.h"

#include <cstring>

CLASS_CODES_PATH::CLASS_CODES_PATH()
    : pc_repertoire(nullptr), pc_nom(nullptr), pc_prefixe(nullptr), pc_suffixe(nullptr),
      pc_fichier(nullptr), c_separateur{'.', 0}
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_CODES_PATH");
}

CLASS_CODES_PATH::CLASS_CODES_PATH(const char* chemin) : CLASS_CODES_PATH()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "CLASS_CODES_PATH");
    vSetFichier(chemin);
}

CLASS_CODES_PATH::~CLASS_CODES_PATH()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "~CLASS_CODES_PATH");
    vInit();
}

void CLASS_CODES_PATH::vLibere(char*& texte)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vLibere");
    delete[] texte;
    texte = nullptr;
}

void CLASS_CODES_PATH::vInit()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vInit");
    vLibere(pc_repertoire);
    vLibere(pc_nom);
    vLibere(pc_prefixe);
    vLibere(pc_suffixe);
    vLibere(pc_fichier);
    c_separateur[0] = '.';
    c_separateur[1] = 0;
}

char* CLASS_CODES_PATH::pcNew(const char* label, int taille)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, label ? label : "pcNew");
    return new char[taille > 0 ? taille : 1];
}

char* CLASS_CODES_PATH::pcCopie(const char* label, const char* texte, int longueur)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "pcCopie");
    char* copie = pcNew(label, longueur + 1);
    memcpy(copie, texte, (size_t)longueur);
    copie[longueur] = 0;
    return copie;
}

char* CLASS_CODES_PATH::pcCopie(const char* label, const char* texte)
{
    return pcCopie(label, texte, (int)strlen(texte));
}

char* CLASS_CODES_PATH::pcJoint(const char* label, const char* a, const char* b)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "pcJoint");
    size_t la = strlen(a), lb = strlen(b);
    char* texte = pcNew(label, (int)(la + lb + 2));
    memcpy(texte, a, la);
    texte[la] = c_separateur[0];
    memcpy(texte + la + 1, b, lb + 1);
    return texte;
}

void CLASS_CODES_PATH::vSetFichier(const char* chemin)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetFichier");
    vLibere(pc_repertoire);
    vLibere(pc_nom);
    vLibere(pc_prefixe);
    vLibere(pc_suffixe);
    if (!chemin)
        return;
    const char* barre = strrchr(chemin, '/');
    const char* nom = barre ? barre + 1 : chemin;
    if (!*nom || !strcmp(nom, ".") || !strcmp(nom, "..")) {
        pc_repertoire = pcCopie("vSetFichier.repertoire", chemin);
        return;
    }
    if (barre)
        pc_repertoire = pcCopie("vSetFichier.repertoire", chemin, (int)(nom - chemin));
    pc_nom = pcCopie("vSetFichier.nom", nom);
    const char* point = strrchr(nom, c_separateur[0]);
    if (!point)
        return;
    pc_prefixe = pcCopie("vSetFichier.prefixe", nom, (int)(point - nom));
    if (point[1])
        pc_suffixe = pcCopie("vSetFichier.suffixe", point + 1);
}

void CLASS_CODES_PATH::vSetRepertoire(const char* repertoire)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetRepertoire");
    if (!repertoire)
        return;
    char* copie = pcCopie("vSetRepertoire", repertoire);
    vLibere(pc_repertoire);
    pc_repertoire = copie;
}

void CLASS_CODES_PATH::vSetNom(const char* nom)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetNom");
    if (!nom)
        return;
    char* copie = pcCopie("vSetNom", nom);
    vLibere(pc_nom);
    vLibere(pc_prefixe);
    vLibere(pc_suffixe);
    pc_nom = copie;
}

void CLASS_CODES_PATH::vSetPrefixe(const char* prefixe)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetPrefixe");
    if (!prefixe)
        return;
    char* copie = pcCopie("vSetPrefixe", prefixe);
    vLibere(pc_prefixe);
    pc_prefixe = copie;
    char* nom = pcJoint("vSetPrefixe.nom", pc_prefixe, pc_suffixe ? pc_suffixe : "");
    vLibere(pc_nom);
    pc_nom = nom;
}

void CLASS_CODES_PATH::vSetSuffixe(const char* suffixe)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetSuffixe");
    if (!suffixe)
        return;
    char* copie = pcCopie("vSetSuffixe", suffixe);
    vLibere(pc_suffixe);
    pc_suffixe = copie;
    const char* base = pc_prefixe ? pc_prefixe : pc_nom ? pc_nom : "";
    char* nom = pcJoint("vSetSuffixe.nom", base, pc_suffixe);
    vLibere(pc_nom);
    pc_nom = nom;
}

const char* CLASS_CODES_PATH::cpcGetFichier()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "cpcGetFichier");
    vLibere(pc_fichier);
    const char* repertoire = pc_repertoire ? pc_repertoire : "";
    const char* nom = pc_nom ? pc_nom : "";
    size_t lr = strlen(repertoire), ln = strlen(nom);
    bool barre = lr && ln && repertoire[lr - 1] != '/';
    pc_fichier = pcNew("cpcGetFichier", (int)(lr + ln + 2));
    memcpy(pc_fichier, repertoire, lr);
    if (barre)
        pc_fichier[lr++] = '/';
    memcpy(pc_fichier + lr, nom, ln + 1);
    return pc_fichier;
}
