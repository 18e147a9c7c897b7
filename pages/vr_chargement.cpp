// The load buttons of the GRIB, bulletin and image pages: a request saved
// after a send (etc/grib/ or etc/bull/) is put back into the page. A file
// is read once, whole and bounded, as the page's kind of request whatever
// folder it lies in, first into a request of its own: one that cannot be
// read or holds nothing to load leaves the page as it was.
#include "pages/vr.h"

#include "gribdata/globales.h"
#include "map/fdc.h"
#include "pages/abonnement.h"
#include "pages/regles_bulletins.h"
#include "pages/regles_chargement.h"
#include "routes/spinner_position.h"
#include "transport/regles_requete.h"
#include "transport/requete.h"
#include "ui/boites_message.h"
#include "ui/boutons.h"
#include "ui/crochets.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/selecteur.h"

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Scroll.H>
#include <FL/filename.H>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const TAG = "<VR>";

// A request read from a file: something to load, that the page can show.
// A GRIB request goes whole or not at all: without the file's own zone and
// model it would hold the request's defaults in their place.
bool bChargeable(const requete& lue)
{
    return lue.type == 0 ? lue.bZoneLue() && bModeleChargeable(lue.modele)
                         : !lue.objets.bVide();
}

// A hidden button that carries a number to the panels' callbacks.
struct BoutonTemporaire {
    std::unique_ptr<classeBoutonImage> bouton;
    BoutonTemporaire()
    {
        Fl_Group* courant = Fl_Group::current();
        Fl_Group::current(nullptr);
        bouton.reset(new classeBoutonImage(0, 0, 0, 0));
        Fl_Group::current(courant);
        bouton->hide();
    }
};

classeBoutonImage* pBoutonNumero(classeBoutonImage** boutons, int numero)
{
    for (; boutons && *boutons; ++boutons)
        if ((*boutons)->shortcut() == numero)
            return *boutons;
    return nullptr;
}

}  // namespace

void vr::vBoutonRequeteurBrowserCallback(Fl_Widget*, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    const bool grib = page->scrollGrib && page->scrollGrib->visible();
    std::snprintf(page->chemin, sizeof page->chemin, grib ? "etc/grib/" : "etc/bull/");
    if (WINDOWS_NATIVE && WINDOWS_OS) {
        char* choix = getFileNative(page->chemin, "*.{txt}");
        if (choix && choix[0] && !fl_filename_isdir(choix))
            page->iChargerRequete(choix, grib);
        delete[] choix;
        return;
    }
    if (!navigateur)
        return;
    navigateur->label(pcTraduire("Charger une requete"));
    navigateur->type(DRU_Fl_File_Chooser::CREATE);
    navigateur->filter("*");
    navigateur->reverseOrder = 1;
    navigateur->livraison_selection(1);
    navigateur->directory(page->chemin);
    navigateur->callback(vBoutonRequeteurBrowser2Callback, page);
    const Fl_Window* principale = page->fenetre;
    navigateur->show(principale ? principale->x() + 230 : 230, principale ? principale->y() + 2 : 2);
}

void vr::vBoutonRequeteurBrowser2Callback(DRU_Fl_File_Chooser* chooser, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    const char* chemin = chooser ? chooser->value(1) : nullptr;
    if (!chemin || !chemin[0] || fl_filename_isdir(chemin))
        return;
    const std::string nom = chemin;
    page->iChargerRequete(nom.c_str(), page->scrollGrib && page->scrollGrib->visible());
}

int vr::iChargerRequete(const char* chemin, bool grib)
{
    requete lue(nullptr, grib ? 0 : 1);
    std::string octets;
    const bool lu = bLireRequeteSauvee(chemin, octets);
    if (lu)
        lue.vLireOctets(octets);
    if (!lu || !bChargeable(lue)) {
        vJournal(TAG, "requete non chargee: %s\n", chemin ? chemin : "(aucun)");
        fl_alert("%s\n%s", pcTraduire("Requete illisible"), chemin ? chemin : "");
        return 0;
    }
    grib ? vChargerGrib(octets) : vChargerBulletins(lue);
    if (lue.lignesRefusees > 0) {
        vJournal(TAG, "requete chargee sans %d ligne(s): %s\n", lue.lignesRefusees, chemin);
        fl_alert("%s %d\n%s", pcTraduire("Lignes ignorees dans la requete :"), lue.lignesRefusees,
                 chemin);
    }
    return 1;
}

// The octets judged already: read again into the page's request without
// a word in the log. The automation sent is the panel's.
void vr::vChargerGrib(const std::string& octets)
{
    requete& r = *requeteGrib;
    r.vInitialisation();
    if (abonnementGrib)
        abonnementGrib->vReecrire();
    r.vLireOctets(octets, 0);
    if (carte && bDimensionsValides(r.centreLatitude, r.centreLongitude, 2 * r.etendueLatitude))
        carte->zoom(r.centreLatitude, r.centreLongitude, 2 * r.etendueLatitude, 1);
    modeleCourant = r.modele;
    // What the file says, kept aside: the panels' replay writes the lines
    // again one by one.
    const std::string compression = r.ligneCompression, terre = r.ligneTerre;
    int cap = 0;
    double vitesse = 0;
    bLigneCapValide(r.ligneCapVitesse, cap, vitesse);
    const CapVitesseCharges cv = capVitesseCharges(r.ligneCapVitesse, cap, vitesse);
    vChampsZone({r.nord, r.sud, r.ouest, r.est});
    chargementRequete = 1;
    BoutonTemporaire temporaire;
    vBoutonRequeteurGribZoneEffacerCallback(temporaire.bouton.get(), this);
    boutonZone->value(1);
    vBoutonRequeteurGribZoneTitreCallback(boutonZone, this);
    classeBoutonImage* modele = pBoutonNumero(boutonsModeles, r.modele);
    if (!modele) {
        modele = temporaire.bouton.get();
        modele->shortcut(r.modele);
    }
    vBoutonRequeteurGribModelesCallback(modele, this);
    if (modele != temporaire.bouton.get())
        modele->setonly();
    if (champCap && champVitesse) {
        champCap->value(cv.cap);
        champVitesse->value(cv.vitesse);
    }
    vRequeteurGribDeplacementSet();
    if (boutonTerre) {
        boutonTerre->value(terre != "F 0");
        vBoutonRequeteurGribTerreCallback(boutonTerre, this);
    }
    const int n = iCompressionChargee(compression);
    for (classeRoundBouton* b : boutonsCompression)
        if (b && b->shortcut() == n)
            vBoutonRequeteurGribCompressionCallback(b, this);
    chargementRequete = 0;
    // The loaded request's own figures, and the send button as they allow.
    r.vCout();
}

// The file's codes press their own buttons on every panel, by the rule
// of loaded requests; the codes of no button down are kept and go with
// the next send. The volume is that of the codes held.
void vr::vChargerBulletins(const requete& lue)
{
    requete& r = *requeteBulletins;
    r.vInitialisation();
    if (abonnementBulletins)
        abonnementBulletins->vReecrire();
    r.objets = lue.objets;
    r.objetsPerdus = lue.objetsPerdus;
    r.volumeBulletins = lue.volumeBulletins;
    r.vEcrire(0);
    std::vector<int> numeros;
    for (classeBoutonImage** t : tableauxProduits())
        for (; t && *t; ++t)
            numeros.push_back((*t)->shortcut());
    std::vector<std::string> codes;
    for (int i = 0; i < r.objets.iNombre(); ++i)
        codes.push_back(r.objets[i]);
    const ProduitsCharges charges = produitsCharges(numeros, codes);
    for (classeBoutonImage** t : tableauxProduits())
        for (; t && *t; ++t) {
            const int n = (*t)->shortcut();
            (*t)->value(std::count(charges.enfonces.begin(), charges.enfonces.end(), n) > 0);
            (*t)->redraw();
        }
    codesSansBouton = charges.sansBouton;
    for (const std::string& c : codesSansBouton)
        vJournal(TAG, "code sans bouton garde: %.47s\n", c.c_str());
    // What was loaded may go, whether or not a button shows it.
    vActiverAbonnementBulletins();
    vRafraichirEnvoi();
    if (carte)
        carte->redraw();
}
