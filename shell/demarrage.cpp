#include "shell/demarrage.h"

#include "gribdata/decode.h"
#include "gribdata/fichiers.h"
#include "gribdata/globales.h"
#include "gribdata/restes.h"
#include "map/chargement_fonds.h"
#include "map/dru_pixmap.h"
#include "map/masques.h"
#include "map/pays.h"
#include "map/satellite.h"
#include "map/tdc.h"
#include "pages/vr.h"
#include "routes/dru_routes.h"
#include "shell/chargeurs.h"
#include "shell/globales_shell.h"
#include "shell/gui.h"
#include "shell/nettoyage.h"
#include "catalogue/metareas.h"
#include "transport/windows_send.h"
#include "transport/scan.h"
#include "shell/signaux.h"
#include "shell/transfert.h"
#include "shell/verrou.h"
#include "ui/configuration.h"
#include "ui/donnees_absentes.h"
#include "ui/horloge.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/gestion_interfaces.h"
#include "ui/horloge.h"
#include "ui/selecteur.h"

#include <FL/Fl.H>
#include <FL/Fl_Shared_Image.H>
#include <FL/Fl_Tooltip.H>
#include <cstdio>

namespace {

const char* const ETIQUETTE = "<TORMASKEL2>";

void vConfiguration()
{
    vBanniere("Configuration");
    configuration = new classeConfiguration();
    configuration->lecture();
    gvr = new vr*[10]();
    fl_register_images();
    Fl::visual(FL_DOUBLE | FL_INDEX);
}

void vStockes()
{
    vBanniere("Langage");
    iVerifierDonnees(configuration->preferences->langage);
    iVerifierDossiers(INSTANCE_SECONDAIRE);
    langage = new local(configuration->preferences->langage);
    DateFormat = langage->get("DateFormat");
    vBanniere("Tdc");
    tdc1 = new tdc();
    vBanniere("Masques");
    load_masques();
    vBanniere("Metareas");
    GMDSS = Metareas();
    Pays();
    vBanniere("Interlude");
    load_fdcinterlude();
    FDCpix1 = nullptr;
    vBanniere("Skins");
    skins();
}

void vFontes()
{
    vBanniere("Fontes");
    DRU_FONT_nombre = Fl::set_fonts(nullptr);
    vJournal(ETIQUETTE, "Fontes: %d\n", DRU_FONT_nombre);
    DRU_FONT = 0;
    DRU_FONT_BOLD = 1;
    vFenetreDansEcran(*configuration->preferences);
    const TYPEDEF_PREFERENCES& p = *configuration->preferences;
    INTERFACE_LARGEUR = p.w;
    INTERFACE_HAUTEUR = p.h;
    INTERFACE_FDC_HAUTEUR = p.h - 168;
    Fl_Tooltip::font(0);
    Fl_Tooltip::size(12);
    Fl_Tooltip::color(FL_YELLOW);
    Fl_Tooltip::textcolor(FL_DARK_RED);
}

void vFenetre()
{
    const TYPEDEF_PREFERENCES& p = *configuration->preferences;
    vBanniere("Gui");
    GUI = new gui();
    gestion_interfaces::add(GUI);
    vBanniere("Icone");
    GUI->resize(p.x, p.y, INTERFACE_LARGEUR, INTERFACE_HAUTEUR);
    GUI->gshow();
    vBanniere("Show");
    GUI->show();
    GUI->deactivate();
    vBanniere("Navigateur");
    navigateur = new DRU_Fl_File_Chooser(".", "*", DRU_Fl_File_Chooser::CREATE, "");
    fenetreEnvoi = nullptr;
    // Showing may have let the window manager move the window.
    GUI->resize(p.x, p.y, GUI->w(), GUI->h());
    char* titre = decode(TITRE_STOCKE);
    GUI->copy_label(titre);
    delete[] titre;
}

void vMinuteries()
{
    vBanniere("Timeout");
    Fl::add_timeout(1.0, clock_Date, GUI);
    Fl::add_timeout(1.0, scan_newfiles, GUI);
    Fl::add_timeout(1.0, ctrl_fdctdc, nullptr);
    Fl::lock();
    vSignauxBoucle();
    vBanniere("Threads");
    iLancerChargeur(load_fdchd1, GUI, &LOAD_FDC1, "load_fdchd1");
    iLancerChargeur(load_fdcsat, GUI, &LOAD_FDCSAT, "load_fdcsat");
    iLancerChargeur(load_tdc, GUI, &LOAD_TDC, "load_tdc");
}

}  // namespace

void vBanniere(const char* phase)
{
    vJournal(ETIQUETTE, "\n-----------------------\n %s\n", phase);
}

void vPreparationDossiers()
{
    FDCHAINEBUFFER[0] = 0;
    creationRepertoires();
}

void vDemarrage(int argc)
{
    vInstallerCrochets();
    vSignauxInstaller();
    OPEN_GRIB_FILE = nullptr;
    vPoserVerrou();
    FILE* log = std::fopen("log.txt", "wt");
    pfRemplacerJournal(log);
    vJournal(ETIQUETTE, "\n-----------------------\n Lancement du programme: %s %d\n",
             CheminAbsolu, argc);
    vJournalTransfert();
    vFixerDebutTenant(tsDebutVerrou());
    vSupprimerRestesArret();
    vBanniere("Routes");
    Dru_Routes = nullptr;
    vConfiguration();
    vStockes();
    vFontes();
    vFenetre();
    vMinuteries();
}
