// The GRIB request page: an accordion of sections in a scroll area, with
// the page's help pane moved to the section of the last help topic, each
// section folded or unfolded by the switch of its title, and the Zone
// section's switch that opens or folds them all; the sections' titles and
// their removal.
#include "pages/vr.h"

#include "pages/abonnement.h"
#include "pages/accordeon.h"
#include "pages/dans_groupe.h"
#include "pages/regles_requeteur.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/configuration.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/place_libelle.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_Scroll.H>
#include <cstdlib>
#include <initializer_list>

void vr::vGroupRequeteurGrib(int x, int y, int, int h)
{
    scrollGrib = pScrollAccordeon(x, y + 4, 230, h - 4);
    packGrib = new Fl_Pack(x + SCROLL_DECALAGE, y + 4, 230 - SCROLL_DECALAGE, h - 4);
    vGroupRequeteurGribZone();
    packGrib->end();
    scrollGrib->end();
    vGroupRequeteurGribArrange(aideGrib);
}

void vr::vGroupRequeteurGribArrange(int n)
{
    const bool restack = bSujetAccordeon(n, aideGrib);
    vArrangerAccordeon(scrollGrib, packGrib, voletAideGrib, n, restack, iIndexAideGrib);
}

// A section's switch: down it shows the section's content, up it hides it.
// A section not built yet only changes the switch.
void vr::vDeplierSection(int section, Fl_Widget* bouton)
{
    vDeplierContenu(bouton, sectionsGrib[section].contenu);
    vGroupRequeteurGribArrange(10000);
}

void vr::vBoutonRequeteurGribModelesContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSection(SECTION_MODELES, b);
}

void vr::vBoutonRequeteurGribMaillesContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSection(SECTION_MAILLES, b);
}

void vr::vBoutonRequeteurGribParametresContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSection(SECTION_PARAMETRES, b);
}

void vr::vBoutonRequeteurGribEcheancesContenuCallback(Fl_Widget* b, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    page->vDeplierSection(SECTION_ECHEANCES, b);
    if (page->titreEcheances)
        page->vMontrerTemps();
}

void vr::vBoutonRequeteurGribDeplacementContenuCallback(Fl_Widget* b, void* page)
{
    static_cast<vr*>(page)->vDeplierSection(SECTION_DEPLACEMENT, b);
}

void vr::vBoutonRequeteurGribZoneContenuCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    Fl_Button* b = static_cast<Fl_Button*>(bouton);
    if (!page->sectionsGrib[SECTION_MODELES].titre) {
        b->value(0);
        b->redraw();
        return;
    }
    GRIB_DEPLIER = b->value();
    b->label(GRIB_DEPLIER ? "@+22>>" : "@+2>>");
    static void (*const RAPPELS[])(Fl_Widget*, void*) = {
        vBoutonRequeteurGribModelesContenuCallback, vBoutonRequeteurGribMaillesContenuCallback,
        vBoutonRequeteurGribParametresContenuCallback,
        vBoutonRequeteurGribEcheancesContenuCallback,
        vBoutonRequeteurGribDeplacementContenuCallback};
    static const int SECTIONS[] = {SECTION_MODELES, SECTION_MAILLES, SECTION_PARAMETRES,
                                   SECTION_ECHEANCES, SECTION_DEPLACEMENT};
    for (int i = 0; i < 5; ++i)
        if (classeBouton* deplier = page->sectionsGrib[SECTIONS[i]].deplier) {
            deplier->value(GRIB_DEPLIER);
            RAPPELS[i](deplier, page);
        }
    b->redraw();
}

void vr::vSupprimerSection(int section)
{
    SectionGrib& s = sectionsGrib[section];
    for (Fl_Group* g : {s.titre, s.contenu})
        if (g) {
            if (packGrib)
                packGrib->remove(g);
            // The event under way may come from a button of the section.
            Fl::delete_widget(g);
        }
    s = SectionGrib();
    classeBoutonImage*** tableaux[SECTIONS_GRIB] = {&boutonsModeles, &boutonsMailles,
                                                    &boutonsParametresGrib, &boutonsEcheances};
    if (classeBoutonImage*** boutons = tableaux[section]) {
        delete[] *boutons;
        *boutons = nullptr;
    }
    if (section == SECTION_ECHEANCES) {
        delete[] boutonsValiditesGrib;
        delete[] boitesJoursGrib;
        boutonsValiditesGrib = nullptr;
        boitesJoursGrib = nullptr;
        groupeEcheancesGrib = groupeValiditesGrib = nullptr;
        titreEcheances = titreValidites = nullptr;
    } else if (section == SECTION_TERRE) {
        boutonTerre = nullptr;
    }
}

// The moving zone's section keeps its fields: it only leaves the
// accordion, and the model choice puts it back.
void vr::vRequeteurGribEffacerGroupes()
{
    for (int s = SECTION_MAILLES; s < SECTION_DEPLACEMENT; ++s)
        vSupprimerSection(s);
    for (Fl_Group* g : {sectionsGrib[SECTION_DEPLACEMENT].titre,
                        sectionsGrib[SECTION_DEPLACEMENT].contenu})
        if (g && packGrib)
            packGrib->remove(g);
    if (abonnementGrib) {
        if (packGrib)
            packGrib->remove(abonnementGrib);
        Fl::delete_widget(abonnementGrib);
        abonnementGrib = nullptr;
    }
    deplacement = 0;
    deplacementHorsModele = 0;
}

Fl_Group* vr::pTitreSection(const char* nom, int sujet, Fl_Callback* deplier,
                            classeBouton*& bouton)
{
    const int x = packGrib->x(), y = packGrib->y(), w = packGrib->w();
    Fl_Group* g = new Fl_Group(x, y, w, 24);
    Fl_Box* titre = nullptr;
    if (nom) {
        titre = new Fl_Box(x + 4, y, w - 44, 24);
        titre->copy_label(pcTraduire(nom));
        titre->labelcolor(COLOR_ORANGE_TEXTE);
        titre->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    }
    bouton = new classeBouton(x + w - 40, y + 2, 20, 20, GRIB_DEPLIER ? "@+22>" : "@+2>");
    bouton->type(FL_TOGGLE_BUTTON);
    bouton->value(GRIB_DEPLIER);
    bouton->callback(deplier, this);
    pBoutonAide(x + w - 20, y + 2, sujet);
    vAjusterLibelle(titre, TAILLE_TITRE_SECTION);
    g->end();
    return g;
}

classeBoutonImage* vr::pBoutonMenu(int x, int y, int l, const char* libelle, int type, int numero,
                                   Fl_Callback* rappel)
{
    classeBoutonImage* b = new classeBoutonImage(x, y, l, 20);
    b->copy_label(libelle);
    b->type(type);
    b->shortcut(numero);
    b->callback(rappel, this);
    return b;
}

void vr::vSectionBoutons(int section, const char* nom, int sujet, Fl_Callback* deplier,
                         const std::function<int(int x, int y)>& boutons)
{
    DansGroupe dans(packGrib);
    SectionGrib& s = sectionsGrib[section];
    s.titre = pTitreSection(nom, sujet, deplier, s.deplier);
    if (nom) {
        s.libelle = static_cast<Fl_Box*>(s.titre->child(0));
        s.cle = nom;
    }
    vContenuSection(section, [&boutons](int x, int y) { return boutons(x + 4, y + 1); });
}

void vr::vContenuSection(int section, const std::function<int(int x, int y)>& contenu)
{
    DansGroupe dans(packGrib);
    SectionGrib& s = sectionsGrib[section];
    const int x = packGrib->x(), y = s.titre->y() + 24;
    s.contenu = new Fl_Group(x, y, packGrib->w(), 22);
    // Sized to what it holds, which it then only carries along.
    s.contenu->resizable(nullptr);
    const int bas = contenu(x, y);
    s.contenu->size(packGrib->w(), bas - y);
    s.contenu->end();
    if (!GRIB_DEPLIER)
        s.contenu->hide();
}
