#include "ui/langage.h"

#include "ui/configuration.h"
#include "ui/crochets.h"
#include "ui/donnees_absentes.h"
#include "ui/globales_ui.h"
#include "ui/horloge.h"
#include "ui/local.h"
#include "ui/gestion_interfaces.h"
#include "ui/saisie_en_cours.h"
#include "ui/horloge.h"
#include "ui/selecteur.h"
#include "ui/selecteur.h"

#include <cstdio>

namespace {

// The catalogue takes the code of the settings, which outlives the caller's
// text, as at start-up.
const char* pcRetenirCode(const char* code)
{
    if (!configuration)
        return code;
    char* champ = configuration->preferences->langage;
    std::snprintf(champ, sizeof configuration->preferences->langage, "%s", code);
    return champ;
}

void vAppeler(void (*crochet)())
{
    if (crochet)
        crochet();
}

}  // namespace

bool bLangageModifiable()
{
    for (int i = 1; i < GESTION_UI_TAILLE; ++i)
        if (GESTION_UI[i])
            return false;
    return true;
}

void change_langage(const char* code)
{
    // The switch stores the routes and rebuilds every page: a text being
    // typed is taken into what is stored, not lost with its field.
    vValiderSaisieEnCours();
    vAppeler(crochetsLangage.fermerEnvoi);
    delete navigateur;
    navigateur = nullptr;
    if (langage)
        langage->set(pcRetenirCode(code));
    // The new language's catalogue may be the one missing.
    iVerifierDonnees(code);
    navigateur = new DRU_Fl_File_Chooser(".", "*", DRU_Fl_File_Chooser::CREATE, "");
    if (crochetsLangage.titre)
        crochetsLangage.titre(code);
    DateFormat = pcTraduire("DateFormat");
    DateFormatChange = 1;
    vAppeler(crochetsLangage.accueil);
    vAppeler(crochetsLangage.routes);
    vAppeler(crochetsLangage.pages);
    vAppeler(crochetsLangage.redessiner);
}
