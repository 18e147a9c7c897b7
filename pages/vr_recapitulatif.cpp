// The two recapitulations under the request page's map: history button,
// cost and volume of the request (written by the request model through
// RecapitulatifPage), and for GRIB requests the compression of the answer,
// which a reset GRIB request keeps.
#include "pages/vr.h"

#include "pages/abonnement.h"
#include "pages/dans_groupe.h"

#include "transport/requete.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/libelles.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/place_libelle.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Output.H>
#include <FL/fl_draw.H>

namespace {

const char* const COMPRESSIONS[3] = {CLE_LOCAL("Non"), "Gzip", "Bzip2"};
// The request's line for each button.
const char* const LIGNES_COMPRESSION[3] = {"C", "C gzip", "C bzip2"};

Fl_Output* pSortie(int x, int y, const char* etiquette, const char* valeur)
{
    Fl_Output* o = new Fl_Output(x, y, 70, 17);
    o->copy_label(pcTraduire(etiquette));
    o->labelsize(12);
    o->labelcolor(FL_BLACK);
    o->textsize(12);
    o->textcolor(FL_BLACK);
    o->value(valeur);
    return o;
}

Fl_Box* pUnite(int x, int y, const char* texte)
{
    Fl_Box* b = new Fl_Box(x, y, 50, 20);
    b->copy_label(pcTraduire(texte));
    b->labelsize(12);
    b->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    return b;
}

// The labels of a cost line, each in the room its neighbours leave.
void vAjusterLigneCout(Fl_Output* cout, Fl_Output* volume, const LigneCout& ligne)
{
    for (Fl_Widget* w : {static_cast<Fl_Widget*>(cout), static_cast<Fl_Widget*>(volume),
                         static_cast<Fl_Widget*>(ligne.euros),
                         static_cast<Fl_Widget*>(ligne.koctets)})
        vAjusterLibelle(w, 12);
}

}  // namespace

// The history button, the cost and the volume lines, and the help button.
void vr::vRequeteurLigneCout(int x, int y, int w, Fl_Output*& cout, Fl_Output*& volume,
                             LigneCout& ligne)
{
    classeBouton* historique = new classeBouton(x + 4, y + 3, 20, 20, "@+1fileopen");
    historique->copy_tooltip(pcTraduire("Voir l'historique des commandes"));
    historique->callback(vBoutonRequeteurRecapitulatifHistoriqueCallback, this);
    ligne.historique = historique;
    cout = pSortie(x + 54, y + 6, CLE_LOCAL("Cout"), "0.0");
    ligne.euros = pUnite(cout->x() + cout->w() + 2, y + 4, CLE_LOCAL("Euros"));
    pBoutonAide(x + w - 32, y + 3, -61);
    fl_font(DRU_FONT, 12);
    const int largeur = int(fl_width(pcTraduire("Volume")));
    volume = pSortie(x + 10 + largeur + 28, y + 26, CLE_LOCAL("Volume"), "0");
    ligne.koctets = pUnite(volume->x() + volume->w() + 2, y + 24, CLE_LOCAL("Koctets"));
}

void vr::vRequeteurGribRecapitulatif(int x, int y, int w, int h)
{
    DansGroupe dans(basRequeteur);
    delete recapGrib;
    recapGrib = new Fl_Group(x, y, w, h);
    vRequeteurLigneCout(x, y, w, coutGrib, volumeGrib, ligneCoutGrib);
    const char* texte = pcTraduire("Compression");
    fl_font(DRU_FONT, 12);
    classeBouton* titre = new classeBouton(x + 4, y + 46, int(fl_width(texte)) + 4, 20);
    titre->copy_label(texte);
    titreCompression = titre;
    const int xc = titre->x() + titre->w() + 12;
    groupeCompression = new Fl_Group(xc, y + 46, 3 * 45, 20);
    for (int i = 0; i < 3; ++i) {
        classeRoundBouton* b = new classeRoundBouton(xc + 45 * i, y + 46, 45, 20);
        b->copy_label(i == 0 ? pcTraduire(COMPRESSIONS[0]) : COMPRESSIONS[i]);
        b->type(FL_RADIO_BUTTON);
        b->labelsize(12);
        b->shortcut(i);
        b->selection_color(COLOR_BOUTON_ACTIVE);
        b->callback(vBoutonRequeteurGribCompressionCallback, this);
        boutonsCompression[i] = b;
    }
    boutonsCompression[2]->value(1);
    for (classeRoundBouton* b : boutonsCompression)
        vAjusterLibelle(b, 12);
    groupeCompression->end();
    // When the choices reach the corner (a long title), their help button
    // goes up one line, beside the volume.
    const bool plein = groupeCompression->x() + groupeCompression->w() > x + w - 32;
    pBoutonAide(x + w - 32, plein ? y + 25 : y + 46, 7);
    vAjusterLigneCout(coutGrib, volumeGrib, ligneCoutGrib);
    recapGrib->end();
}

void vr::vRequeteurRecapitulatif(int x, int y, int w, int h)
{
    DansGroupe dans(basRequeteur);
    delete recapBulletins;
    recapBulletins = new Fl_Group(x, y, w, h);
    vRequeteurLigneCout(x, y, w, coutBulletins, volumeBulletins, ligneCoutBulletins);
    vAjusterLigneCout(coutBulletins, volumeBulletins, ligneCoutBulletins);
    recapBulletins->end();
    recapBulletins->hide();
}

void vr::vBoutonRequeteurGribCompressionCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    const int n = static_cast<Fl_Button*>(bouton)->shortcut();
    for (classeRoundBouton* b : page->boutonsCompression)
        b->value(0);
    if (requete* r = page->requeteGrib) {
        if (n == 1 || n == 2)
            r->vSetCompression(n == 1 ? "gzip" : "bzip2");
        else
            r->vUnsetCompression();
        r->vEcrire(0);
    }
    page->boutonsCompression[n < 0 || n > 2 ? 2 : n]->value(1);
    page->groupeCompression->redraw();
}

void vr::vReinitialiserGrib(Abonnement* abonnement)
{
    requeteGrib->vInitialisation();
    int n = 2;
    for (classeRoundBouton* b : boutonsCompression)
        if (b && b->value() && b->shortcut() >= 0 && b->shortcut() <= 2)
            n = b->shortcut();
    requeteGrib->ligneCompression = LIGNES_COMPRESSION[n];
    if (abonnement)
        abonnement->vReecrire();
}

void vr::vLangageRecapitulatifs()
{
    const struct {
        LigneCout& ligne;
        Fl_Output* cout;
        Fl_Output* volume;
    } lignes[] = {{ligneCoutGrib, coutGrib, volumeGrib},
                  {ligneCoutBulletins, coutBulletins, volumeBulletins}};
    for (const auto& l : lignes) {
        vBulle(l.ligne.historique, "Voir l'historique des commandes");
        vLibeller(l.cout, "Cout");
        vLibeller(l.ligne.euros, "Euros");
        vLibeller(l.volume, "Volume");
        vLibeller(l.ligne.koctets, "Koctets");
        if (l.cout)
            vAjusterLigneCout(l.cout, l.volume, l.ligne);
    }
    vLibeller(titreCompression, "Compression");
    vAjusterLibelle(titreCompression, 12);
    vLibeller(boutonsCompression[0], COMPRESSIONS[0]);
    vAjusterLibelle(boutonsCompression[0], 12);
}
