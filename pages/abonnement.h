// The automation panel of a request: a single request, one repeated for a
// number of days or every day, or an order to the service to delete the
// automations set up. Each choice writes the owner request's "A" line at
// once and renders its text. The GRIB accordion, the packages page and the
// bulletin page each hold one.
#ifndef PAGES_ABONNEMENT_H
#define PAGES_ABONNEMENT_H

#include "pages/regles_abonnement.h"

#include <FL/Fl_Group.H>

class Fl_Box;
class classeBouton;
class classeBoutonImage;
class requete;
class spinnerPosition;
class vr;

class Abonnement : public Fl_Group {
public:
    // `genre` 0: the page's GRIB request, 1: its bulletin request. Built
    // folded.
    Abonnement(int genre, void* page, int x, int y, int w, int h);
    ~Abonnement() override = default;
    Abonnement(const Abonnement&) = delete;
    Abonnement& operator=(const Abonnement&) = delete;

    // The title from the state: "Oui" or "Non".
    void vSet();
    // Every label in the catalogue's language, the title from the state.
    void vLangage();
    // The choice shown written again into the owner request's "A" line,
    // after something reset that line; not rendered: the caller renders
    // once the rest of the request is back.
    void vReecrire();

    static void vBoutonContenuCallback(Fl_Widget* bouton, void* panneau);
    static void vBoutonUniqueCallback(Fl_Widget* bouton, void* panneau);
    static void vBoutonNjoursDebutCallback(Fl_Widget* bouton, void* panneau);
    static void vInputCompletNjoursValeurCallback(Fl_Widget* champ, void* panneau);
    static void vBoutonPermanentCallback(Fl_Widget* bouton, void* panneau);
    static void vBoutonSupprimerCallback(Fl_Widget* bouton, void* panneau);

    int ax, ay, aw;
    int hauteur;  // unfolded
    vr* page;
    Fl_Box* titre;
    Fl_Box* boiteJours;
    classeBoutonImage* boutonUnique;
    classeBoutonImage* boutonPendant;
    classeBoutonImage* boutonPermanent;
    classeBoutonImage* boutonSupprimer;
    spinnerPosition* champJours;
    int genre;
    classeBouton* boutonContenu;
    Fl_Group* contenu;

private:
    // The owner request; null for another kind.
    requete* pRequete() const;
    // Writes the automation text and renders the request.
    void vEcrire(const char* texte);
    // The days the field holds, written back into it in range.
    int iJours();
    void vChoisir(classeBoutonImage* bouton);
    // Repeated for the days shown (2 when none).
    void vPendant();
    // The choice pressed, by the buttons.
    ChoixAbonnement choix() const;
};

#endif
