// The send window's profile management: the group shown by "Gestion", its
// form and buttons, and the profile choice.
#include "transport/windows_send.h"

#include "ui/boutons.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/texte_brut.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <cstring>

namespace {

WindowsSend* fenetre(void* f)
{
    return static_cast<WindowsSend*>(f);
}

}  // namespace

// The buttons read the form whole: its fields take no text of their own
// when left, so what is typed is read as it stands.
FormulaireProfil WindowsSend::formulaire() const
{
    return {inputNom->value(), inputEmail->value(), inputServeur->value(),
            inputPassword->value(), inputPort->value()};
}

int WindowsSend::is_entry_invalid() const
{
    return iEntreeInvalide(formulaire(), http);
}

ProfilsEnvoi WindowsSend::profils() const
{
    return ProfilsEnvoi(*configuration, http);
}

// The entries go in by replace(), which takes the name as it stands:
// add() would read "/", "&", "_" and "|" as menu syntax. The blank of the
// placeholder is never in a profile name, so add() never merges it with
// an entry.
void WindowsSend::vChoixRemplir()
{
    choixProfil->clear();
    nomsChoix_.clear();
    const TYPEDEF_PROFIL* courant = configuration ? profilCourant(*configuration) : nullptr;
    for (const TYPEDEF_PROFIL* p = configuration ? configuration->profils : nullptr; p;
         p = p->suivant) {
        const int i = iAjouterEntree(p->nom);
        if (p == courant)
            choixProfil->value(i);
    }
}

int WindowsSend::iAjouterEntree(const std::string& nom)
{
    const int i = choixProfil->add(" ");
    choixProfil->replace(i, sEntreeMenuBrute(nom.c_str()).c_str());
    nomsChoix_.push_back(nom);
    return i;
}

int WindowsSend::iEntreeChoix(const std::string& nom) const
{
    for (size_t i = 0; i < nomsChoix_.size(); ++i)
        if (nomsChoix_[i] == nom && choixProfil->menu()[i].visible())
            return int(i);
    return -1;
}

// The first entry still shown.
void WindowsSend::vChoixPremier()
{
    for (size_t i = 0; i < nomsChoix_.size(); ++i)
        if (choixProfil->menu()[i].visible()) {
            choixProfil->value(int(i));
            break;
        }
    choixProfil->redraw();
}

void WindowsSend::vRemplirFormulaire(const TYPEDEF_PROFIL& p)
{
    const FormulaireProfil f = formulaireDe(p);
    inputNom->value(f.nom.c_str());
    inputEmail->value(f.email.c_str());
    inputServeur->value(f.serveur.c_str());
    inputPassword->value(f.password.c_str());
    inputPort->value(f.port.c_str());
}

// The direct sends the profile in use allows: SMTP needs no password, an
// HTTP send does ("NULL": none). None once the text went or is going, was
// refused, or while the profiles are managed. Every way that turns them
// back on asks this.
void WindowsSend::vActiverSelonProfil()
{
    if (bTexteParti() || refuse_ || groupeProfils->visible()) {
        vDesactiverEnvois();
        return;
    }
    const TYPEDEF_PROFIL* p = configuration ? profilCourant(*configuration) : nullptr;
    if (!p)
        return;
    const bool motDePasse = std::strcmp(p->password, "NULL") != 0;
    classeBouton* boutonHttp = http ? boutonEnvoiDirect : boutonEnvoiHttp;
    if (!http)
        boutonEnvoiDirect->activate();
    if (motDePasse)
        boutonHttp->activate();
    else
        boutonHttp->deactivate();
}

void WindowsSend::vStatut(const char* t, Fl_Color fond, Fl_Color encre)
{
    // It often holds a profile's name, shown as typed.
    statut->copy_label(sLibelleBrut(t).c_str());
    statut->box(FL_FLAT_BOX);
    statut->color(fond);
    statut->labelcolor(encre);
    statut->redraw();
}

void WindowsSend::vStatutProfil(const char* quoi, const std::string& nom)
{
    vStatut((std::string(pcTraduire(quoi)) + " : " + nom).c_str(), 60, FL_WHITE);
}

// The status label after a profile change: what was done, or the error.
void WindowsSend::vResultatProfil(ResultatProfil r, const char* quoi, const std::string& nom)
{
    if (r == PROFIL_OK)
        vStatutProfil(quoi, nom);
    else
        vStatutErreur(r);
}

void WindowsSend::vStatutErreur(ResultatProfil r)
{
    const char* texte =
        r == PROFIL_EXISTE      ? pcTraduire("ERREUR... le profil existe deja")
        : r == PROFIL_ABSENT    ? pcTraduire("ERREUR... le profil n'existe pas")
        : r == PROFIL_NON_ECRIT ? pcTraduire("Reglages non enregistres : ecriture impossible")
                                : pcTraduire("Entree incorrecte");
    vStatut(texte, 72, 95);
}

// The frame's widgets the profile group lies over are hidden while it
// shows: a journal or a button that a send's thread redraws would else
// draw over the form.
void WindowsSend::vCacherSousGestion()
{
    const Fl_Widget* g = groupeProfils;
    for (int i = 0; i < cadre->children(); ++i) {
        Fl_Widget* c = cadre->child(i);
        const bool dessous = c->x() < g->x() + g->w() && c->x() + c->w() > g->x() &&
                             c->y() < g->y() + g->h() && c->y() + c->h() > g->y();
        if (dessous && c->visible()) {
            sousGestion_.push_back(c);
            c->hide();
        }
    }
}

void WindowsSend::vMontrerSousGestion()
{
    for (Fl_Widget* c : sousGestion_)
        c->show();
    sousGestion_.clear();
}

void WindowsSend::vBoutonEnvoiGestionCallback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    if (w->groupeProfils->visible())
        return;
    w->groupeProfils->show();
    w->vCacherSousGestion();
    w->cadre->deactivate();
    w->boutonFermer->hide();
    w->vActiverSelonProfil();
    const TYPEDEF_PROFIL* p = configuration ? profilCourant(*configuration) : nullptr;
    if (!p)
        return;
    w->vRemplirFormulaire(*p);
    w->profilEdite = p->nom;
    w->vStatut(p->nom, COLOR_FOND, FL_WHITE);
}

void WindowsSend::vBoutonEnvoiFermer2Callback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    w->groupeProfils->hide();
    w->vMontrerSousGestion();
    w->boutonFermer->show();
    w->cadre->activate();
    w->vActiverSelonProfil();
    w->redraw();
}

void WindowsSend::vBoutonEnvoiNouveauCallback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    for (Fl_Input* i : {w->inputNom, w->inputEmail, w->inputServeur})
        i->value("");
    w->inputPassword->value("NULL");
    w->inputPort->value("25");
    w->profilEdite.clear();
    w->vStatut("", COLOR_FOND, FL_BLACK);
}

// Adds or deletes the form's profile; the status label tells how it went.
// True when done.
bool WindowsSend::bChanger(ResultatProfil (ProfilsEnvoi::*changement)(const FormulaireProfil&),
                           const char* quoi)
{
    const FormulaireProfil form = formulaire();
    const ResultatProfil r = configuration ? (profils().*changement)(form) : PROFIL_INCORRECT;
    vResultatProfil(r, quoi, form.nom);
    return bProfilChange(r);
}

void WindowsSend::vBoutonEnvoiAjouterCallback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    if (!w->bChanger(&ProfilsEnvoi::ajouter, CLE_LOCAL("Nouveau profil")))
        return;
    w->iAjouterEntree(w->inputNom->value());
    w->vChoixPremier();
}

void WindowsSend::vBoutonEnvoiSupprimerCallback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    if (!w->bChanger(&ProfilsEnvoi::supprimer, CLE_LOCAL("Suppression du profil")))
        return;
    const int i = w->iEntreeChoix(w->inputNom->value());
    if (i >= 0)
        w->choixProfil->mode(i, w->choixProfil->mode(i) | FL_MENU_INVISIBLE);
    w->vChoixPremier();
}

void WindowsSend::vBoutonEnvoiModifierCallback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    const FormulaireProfil form = w->formulaire();
    const ResultatProfil r =
        configuration ? w->profils().modifier(w->profilEdite, form) : PROFIL_INCORRECT;
    w->vResultatProfil(r, CLE_LOCAL("Modification du profil"), form.nom);
    if (!bProfilChange(r))
        return;
    int i = w->iEntreeChoix(w->profilEdite);
    if (i < 0) {
        i = w->iAjouterEntree(form.nom);
    } else {
        w->choixProfil->replace(i, sEntreeMenuBrute(form.nom.c_str()).c_str());
        w->nomsChoix_[size_t(i)] = form.nom;
    }
    w->choixProfil->value(i);
    w->choixProfil->redraw();
    w->profilEdite = form.nom;
}

void WindowsSend::vChoixEnvoiSelectionCallback(Fl_Widget*, void* f)
{
    WindowsSend* w = fenetre(f);
    const int i = w->choixProfil->value();
    if (!configuration || i < 0 || size_t(i) >= w->nomsChoix_.size())
        return;
    const std::string nom = w->nomsChoix_[size_t(i)];
    const bool ecrit = w->profils().selectionner(nom);
    const TYPEDEF_PROFIL* p = profilCourant(*configuration);
    if (!p)
        return;
    w->vRemplirFormulaire(*p);
    w->vActiverSelonProfil();
    if (ecrit)
        w->vStatut(p->nom, COLOR_FOND, FL_WHITE);
    else
        w->vStatutErreur(PROFIL_NON_ECRIT);
}
