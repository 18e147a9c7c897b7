// What the kit below calls back into the windows of the shell and of the
// parts above the map.
#include "shell/demarrage.h"

#include "map/hote_carte.h"
#include "map/routes_carte.h"
#include "pages/crochets_pages.h"
#include "pages/vr.h"
#include "shell/gui.h"
#include "transport/windows_send.h"
#include "shell/titre.h"
#include "ui/boutons_rva.h"
#include "ui/crochets.h"
#include "ui/globales_ui.h"

#include <FL/Fl.H>

namespace {

void vFermerEnvoi()
{
    delete fenetreEnvoi;
    fenetreEnvoi = nullptr;
}

void vLangageAccueil()
{
    if (!GUI)
        return;
    GUI->boutonsRVA->vLangage();
    GUI->vLangageAccueil();
}

void vLangageTitre(const char* code)
{
    if (GUI && GUI->titre)
        GUI->titre->setLangage(code);
}

void vRedessinerGui()
{
    if (GUI)
        GUI->redraw();
}

void vTitreCarte(fdc* carte)
{
    if (GUI && GUI->titre)
        GUI->titre->vSynchroniserCarte(carte);
}

void vFondsDisponibles(int satellite, int hd)
{
    if (GUI && GUI->titre)
        GUI->titre->vFondsDisponibles(satellite, hd);
}

void vActiverGui()
{
    if (!GUI)
        return;
    GUI->activate();
    // The keyboard the deactivation took goes back to the window (F1).
    if (!GUI->contains(Fl::focus()))
        Fl::focus(GUI);
}

void vNoterPrincipale(int x, int y)
{
    if (GUI)
        GUI->positionX = x, GUI->positionY = y;
}

void vPrincipaleNotee(int& x, int& y)
{
    x = GUI ? GUI->positionX : 0;
    y = GUI ? GUI->positionY : 0;
}

}  // namespace

void vInstallerCrochets()
{
    crochetBasculePage = vBoutonRequeteurVisualisateurAideCallback;
    crochetMenuGraphiques = iMenuGraphiques;
    crochetAideArrange = vAideRearranger;
    vInstallerCrochetsPages();
    // The route window installs its own step when it is built.
    crochetsLangage = {vFermerEnvoi, vLangageTitre, vLangageAccueil,
                       crochetsLangage.routes, vLangueDesPages, vRedessinerGui};
    vInstallerHotePages();
    crochetsPages.connecter = classGroupeTitre::vBoutonConnecterCallback;
    hoteCarte.titre = vTitreCarte;
    hoteCarte.fondsDisponibles = vFondsDisponibles;
    hoteCarte.activer = vActiverGui;
    hoteCarte.noterPrincipale = vNoterPrincipale;
    hoteCarte.principaleNotee = vPrincipaleNotee;
    vInstallerHistogrammesRoutes();
}
