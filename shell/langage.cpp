#include "shell/langage.h"

#include "shell/boutons_rva.h"
#include "shell/configuration.h"
#include "shell/globales_shell.h"
#include "shell/local.h"
#include "shell/remplacants.h"
#include "shell/remplacants_shell.h"

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
    delete fenetreEnvoi;
    fenetreEnvoi = nullptr;
    delete navigateur;
    navigateur = nullptr;
    if (langage)
        langage->set(pcRetenirCode(code));
    navigateur = new DRU_Fl_File_Chooser(".", "*", DRU_Fl_File_Chooser::CREATE, "");
    vLangageTitre(code);
    DateFormat = pcTraduire("DateFormat");
    DateFormatChange = 1;
    if (GUI) {
        GUI->boutonsRVA->vLangage();
        GUI->vLangageAccueil();
    }
    vLangageRoutes();
    vLangagePages();
    if (GUI)
        GUI->redraw();
}
