// The automation panel: its rows, its title and its six callbacks.
#include "pages/abonnement.h"

#include "pages/regles_abonnement.h"
#include "pages/vr.h"
#include "routes/spinner_position.h"
#include "transport/requete.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/images/images.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/saisie_en_cours.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Pack.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/fl_draw.H>
#include <initializer_list>

namespace {

const char* const TITRE_NON = CLE_LOCAL("Automatisation : Non");
const char* const TITRE_OUI = CLE_LOCAL("Automatisation : Oui");
const char* const UNIQUE = CLE_LOCAL("Requete unique");
const char* const PENDANT = CLE_LOCAL("Pendant");
const char* const JOURS = CLE_LOCAL("jours");
const char* const PERMANENT = CLE_LOCAL("Tous les jours");
const char* const SUPPRIMER = CLE_LOCAL("Supprimer automatisations");

int iLargeur(const char* cle)
{
    fl_font(DRU_FONT, 12);
    return int(fl_width(pcTraduire(cle)));
}

classeBoutonImage* pChoix(int x, int y, const char* cle, int marge, Fl_Callback* rappel,
                          void* panneau)
{
    classeBoutonImage* b = new classeBoutonImage(x, y, iLargeur(cle) + marge, 20);
    b->copy_label(pcTraduire(cle));
    b->image(image_boff);
    b->type(FL_RADIO_BUTTON);
    b->align(FL_ALIGN_INSIDE);
    b->callback(rappel, panneau);
    return b;
}

// A label and its width kept to its text plus `marge`.
void vEtiquette(Fl_Widget* w, const char* cle, int marge)
{
    w->copy_label(pcTraduire(cle));
    w->size(iLargeur(cle) + marge, w->h());
}

}  // namespace

Abonnement::Abonnement(int genre_, void* page_, int x, int y, int w, int h)
    : Fl_Group(x, y, w, h), ax(x), ay(y), aw(w), hauteur(ABONNEMENT_HAUTEUR),
      page(static_cast<vr*>(page_)), genre(genre_)
{
    titre = new Fl_Box(x, y, w - 40, 20);
    titre->box(FL_NO_BOX);
    titre->labelsize(13);
    titre->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    boutonContenu = new classeBouton(x + w - 40, y, 20, 20, "@+2>");
    boutonContenu->type(FL_TOGGLE_BUTTON);
    boutonContenu->labelcolor(COLOR_ORANGE_TEXTE);
    boutonContenu->callback(vBoutonContenuCallback, this);
    pBoutonAide(x + w - 20, y, 9, page);
    contenu = new Fl_Group(x, y + 20, w, h - 20);
    boutonUnique = pChoix(x, y + 24, UNIQUE, 20, vBoutonUniqueCallback, this);
    boutonUnique->value(1);
    boutonPendant = pChoix(x, y + 45, PENDANT, 8, vBoutonNjoursDebutCallback, this);
    const int wp = boutonPendant->w();
    champJours = new spinnerPosition(x + wp + 4, y + 45, 40, 20);
    champJours->color(COLOR_BLEUPALE_GTK_TITRE);
    champJours->range(0, ABONNEMENT_JOURS_MAX);
    champJours->step(1);
    champJours->value(0);
    champJours->textsize(12);
    champJours->textcolor(255);
    champJours->callback(vInputCompletNjoursValeurCallback, this);
    // Taken when entered: an emptied field is not made 2 under the typing.
    champJours->vSaisieValidee();
    boiteJours = new Fl_Box(x + wp + 48, y + 45, iLargeur(JOURS) + 8, 20);
    boiteJours->copy_label(pcTraduire(JOURS));
    boiteJours->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    boutonPermanent = pChoix(x, y + 66, PERMANENT, 6, vBoutonPermanentCallback, this);
    boutonSupprimer = pChoix(x, y + 87, SUPPRIMER, 8, vBoutonSupprimerCallback, this);
    contenu->end();
    contenu->resizable(nullptr);
    end();
    resizable(nullptr);
    contenu->hide();
    size(w, ABONNEMENT_PLIE);
    vSet();
}

requete* Abonnement::pRequete() const
{
    if (!page)
        return nullptr;
    return genre == 0 ? page->requeteGrib : genre == 1 ? page->requeteBulletins : nullptr;
}

void Abonnement::vEcrire(const char* texte)
{
    if (requete* r = pRequete())
        r->vSetAutomatisation(texte);
}

int Abonnement::iJours()
{
    const int jours = iJoursAbonnement(champJours->value());
    if (champJours->value() != jours)
        champJours->value(jours);
    return jours;
}

void Abonnement::vChoisir(classeBoutonImage* bouton)
{
    for (classeBoutonImage* b : {boutonUnique, boutonPendant, boutonPermanent, boutonSupprimer}) {
        b->value(b == bouton);
        b->redraw();
    }
}

ChoixAbonnement Abonnement::choix() const
{
    if (boutonPendant->value())
        return ABONNEMENT_PENDANT;
    if (boutonPermanent->value())
        return ABONNEMENT_PERMANENT;
    return boutonSupprimer->value() ? ABONNEMENT_SUPPRIMER : ABONNEMENT_UNIQUE;
}

void Abonnement::vReecrire()
{
    if (requete* r = pRequete())
        r->ligneAutomatisation = "A " + texteAbonnement(choix(), iJours());
}

void Abonnement::vSet()
{
    const bool oui = bAbonnementActif(iJours(), boutonPermanent->value(), boutonSupprimer->value());
    titre->copy_label(pcTraduire(oui ? TITRE_OUI : TITRE_NON));
    titre->labelcolor(oui ? COLOR_BOUTON_ACTIVE : COLOR_ORANGE_TEXTE);
    titre->redraw();
}

void Abonnement::vLangage()
{
    vEtiquette(boutonUnique, UNIQUE, 20);
    vEtiquette(boutonPendant, PENDANT, 8);
    boiteJours->copy_label(pcTraduire(JOURS));
    vEtiquette(boutonPermanent, PERMANENT, 6);
    vEtiquette(boutonSupprimer, SUPPRIMER, 8);
    vSet();
    redraw();
}

void Abonnement::vBoutonContenuCallback(Fl_Widget*, void* donnees)
{
    Abonnement* a = static_cast<Abonnement*>(donnees);
    const bool ouvert = a->boutonContenu->value();
    a->boutonContenu->label(ouvert ? "@+22>" : "@+2>");
    a->size(a->w(), ouvert ? a->hauteur : ABONNEMENT_PLIE);
    ouvert ? a->contenu->show() : a->contenu->hide();
    a->titre->redraw();
    // The accordion the panel stands in is stacked again.
    const Fl_Widget* dans = a->parent();
    if (a->page && dans && dans == a->page->packGrib)
        a->page->vGroupRequeteurGribArrange(10000);
    else if (a->page && dans && dans == a->page->packForfaits)
        a->page->vGroupRequeteurPredefiniesArrange(10000);
    if (a->parent())
        a->parent()->redraw();
}

void Abonnement::vBoutonUniqueCallback(Fl_Widget* bouton, void* donnees)
{
    if (!bValiderAvantPression(bouton))
        return;
    Abonnement* a = static_cast<Abonnement*>(donnees);
    if (!bouton)
        a->boutonUnique->value(1);
    a->champJours->value(0);
    a->vChoisir(a->boutonUnique);
    a->vSet();
    a->vEcrire(texteAbonnement(ABONNEMENT_UNIQUE, 0).c_str());
}

void Abonnement::vBoutonNjoursDebutCallback(Fl_Widget* bouton, void* donnees)
{
    // The days being typed are the days asked.
    if (bValiderAvantPression(bouton))
        static_cast<Abonnement*>(donnees)->vPendant();
}

void Abonnement::vPendant()
{
    if (iJours() == 0)
        champJours->value(2);
    vChoisir(boutonPendant);
    vSet();
    vEcrire(texteAbonnement(ABONNEMENT_PENDANT, iJours()).c_str());
}

void Abonnement::vInputCompletNjoursValeurCallback(Fl_Widget*, void* donnees)
{
    Abonnement* a = static_cast<Abonnement*>(donnees);
    a->iJours();
    a->vPendant();
}

void Abonnement::vBoutonPermanentCallback(Fl_Widget* bouton, void* donnees)
{
    if (!bValiderAvantPression(bouton))
        return;
    Abonnement* a = static_cast<Abonnement*>(donnees);
    a->champJours->value(0);
    a->vChoisir(a->boutonPermanent);
    a->vSet();
    a->vEcrire(texteAbonnement(ABONNEMENT_PERMANENT, 0).c_str());
}

// The order goes at once; the send takes its own copy of the text, after
// which the request is a single one again: a later rendering or press must
// order products, not delete the automations once more.
void Abonnement::vBoutonSupprimerCallback(Fl_Widget* bouton, void* donnees)
{
    if (!bValiderAvantPression(bouton))
        return;
    Abonnement* a = static_cast<Abonnement*>(donnees);
    a->champJours->value(0);
    a->vChoisir(a->boutonSupprimer);
    a->vSet();
    a->vEcrire(texteAbonnement(ABONNEMENT_SUPPRIMER, 0).c_str());
    if (a->page && a->genre == 0)
        a->page->vSetCommande(1);
    else if (a->page && a->genre == 1)
        a->page->vSetCommandeBulletins(1);
    a->vChoisir(a->boutonUnique);
    a->vSet();
    requete* r = a->pRequete();
    if (!r)
        return;
    r->ligneAutomatisation = "A 1";
    // A bulletin request without products shows no text, as before.
    r->vEcrire(r->type == 1 && r->objets.bVide() ? 1 : 0);
}
