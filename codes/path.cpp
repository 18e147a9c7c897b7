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
    vRemplace(texte, nullptr);
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

void CLASS_CODES_PATH::vRemplace(char*& partie, char* nouvelle)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vRemplace");
    delete[] partie;
    partie = nouvelle;
}

void CLASS_CODES_PATH::vSetRepertoire(const char* repertoire)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetRepertoire");
    if (repertoire)
        vRemplace(pc_repertoire, pcCopie("vSetRepertoire", repertoire));
}

void CLASS_CODES_PATH::vSetNom(const char* nom)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetNom");
    if (!nom)
        return;
    vRemplace(pc_nom, pcCopie("vSetNom", nom));
    vLibere(pc_prefixe);
    vLibere(pc_suffixe);
}

void CLASS_CODES_PATH::vSetPrefixe(const char* prefixe)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetPrefixe");
    if (!prefixe)
        return;
    vRemplace(pc_prefixe, pcCopie("vSetPrefixe", prefixe));
    vRemplace(pc_nom, pcJoint("vSetPrefixe.nom", pc_prefixe, pc_suffixe ? pc_suffixe : ""));
}

void CLASS_CODES_PATH::vSetSuffixe(const char* suffixe)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSetSuffixe");
    if (!suffixe)
        return;
    vRemplace(pc_suffixe, pcCopie("vSetSuffixe", suffixe));
    // Without a prefix the current name is kept whole before the suffix.
    const char* base = pc_prefixe ? pc_prefixe : pc_nom ? pc_nom : "";
    vRemplace(pc_nom, pcJoint("vSetSuffixe.nom", base, pc_suffixe));
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
