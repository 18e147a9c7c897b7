// The lists of a GRIB request: parameters, forecast times and validities.
#include "transport/requete.h"

#include "gribdata/globales.h"
#include "gribdata/parametres.h"
#include "transport/regles_requete.h"
#include "ui/boutons.h"

#include <strings.h>

namespace {

const TYPEDEF_PARAMETRE* pLigne(int row)
{
    if (row < 0 || row >= int(ST_PARAMETRES.size()) || !ST_PARAMETRES[size_t(row)].cle)
        return nullptr;
    return &ST_PARAMETRES[size_t(row)];
}

const TYPEDEF_PARAMETRE* pLigne(const char* label)
{
    if (!label)
        return nullptr;
    for (const TYPEDEF_PARAMETRE& p : ST_PARAMETRES)
        if (p.libelle && p.cle && strcasecmp(p.libelle, label) == 0)
            return &p;
    return nullptr;
}

void vAjouterParametre(ListeCodes& liste, const TYPEDEF_PARAMETRE* p)
{
    if (p && !liste.bContient(p->cle))
        liste.bAjouter(p->cle);
}

const char* const ECHEANCES = "d'\xC3\xA9" "cheances";

}  // namespace

void requete::vSetParametre(int row)
{
    vAjouterParametre(parametres, pLigne(row));
}

void requete::vSetParametre(const char* label)
{
    vAjouterParametre(parametres, pLigne(label));
}

void requete::vUnsetParametre(int row)
{
    if (const TYPEDEF_PARAMETRE* p = pLigne(row))
        parametres.vRetirer(p->cle);
}

void requete::vUnsetParametre(const char* label)
{
    if (const TYPEDEF_PARAMETRE* p = pLigne(label))
        parametres.vRetirer(p->cle);
}

void requete::vUnsetParametres()
{
    parametres.vVider();
    vEcrire(0);
}

void requete::vFreeParametre()
{
    parametres.vVider();
}

const char* requete::vTraduireParametre(const char* label)
{
    const TYPEDEF_PARAMETRE* p = pLigne(label);
    if (!p)
        return nullptr;
    cleParametre = p->cle;
    return cleParametre.c_str();
}

// A list past 128 entries is a caller's fault: logged as fatal, the first
// 128 kept, and the program goes on.
bool requete::bAjouterTemps(ListeCodes& liste, const char* texte, const char* quoi)
{
    if (liste.bAjouter(texte ? texte : ""))
        return true;
    vJournal(TAG_REQUETE, "FATAL: Nombre %s > 128\n", quoi);
    return false;
}

void requete::vSetEcheances(const char* const* list)
{
    echeances.vVider();
    for (; list && *list; ++list)
        if (!bAjouterTemps(echeances, *list, ECHEANCES))
            return;
}

void requete::vSetEcheances(classeBoutonImage** buttons)
{
    echeances.vVider();
    for (; buttons && *buttons; ++buttons)
        if ((*buttons)->value() && !bAjouterTemps(echeances, (*buttons)->label(), ECHEANCES))
            return;
}

void requete::vSetValidites(classeBoutonImage** buttons)
{
    validites.vVider();
    for (; buttons && *buttons; ++buttons)
        if ((*buttons)->value() &&
            !bAjouterTemps(validites, std::to_string((*buttons)->shortcut()).c_str(),
                           "de validites"))
            return;
}

void requete::vUnsetEcheances()
{
    echeances.vVider();
}

void requete::vUnsetValidites()
{
    validites.vVider();
}
