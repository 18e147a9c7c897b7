// The window "Envoyer la requete" the request page opens to send a request:
// its volume, cost and text, the ways to send it (directly over HTTP,
// through the user's SMTP server, through the mail client, by copy and
// paste), a journal of the send, and the management of the send profiles.
// Two layouts: HTTP in connected mode, mail otherwise.
#ifndef TRANSPORT_WINDOWS_SEND_H
#define TRANSPORT_WINDOWS_SEND_H

#include "transport/journal_fenetre.h"
#include "transport/profils.h"

#include <FL/Fl_Double_Window.H>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Fl_Box;
class Fl_Choice;
class Fl_Group;
class Fl_Input;
class Fl_Output;
class Fl_Text_Buffer;
class Fl_Text_Display;
class Fl_Widget;
class classeBouton;
struct EnvoiRequete;
struct TravailFenetre;

class WindowsSend : public Fl_Double_Window {
public:
    // Builds and shows the window; takes `text` (new[]).
    WindowsSend(const char* volume, const char* cost, char* text, int x, int y, int w, int h,
                const char* label);
    ~WindowsSend() override;
    WindowsSend(const WindowsSend&) = delete;
    WindowsSend& operator=(const WindowsSend&) = delete;

    // Callbacks; user data: the window.
    static void vBoutonEnvoiDirectCallback(Fl_Widget*, void* fenetre);
    static void vBoutonEnvoiDirectHttpCallback(Fl_Widget*, void* fenetre);
    static void vBoutonEnvoiMailCallback(Fl_Widget*, void* fenetre);
    static void vBoutonEnvoiFermerCallback(Fl_Widget*, void* fenetre);
    static void vBoutonEnvoiGestionCallback(Fl_Widget*, void* fenetre);
    static void vBoutonEnvoiFermer2Callback(Fl_Widget*, void* fenetre);
    static void vBoutonEnvoiNouveauCallback(Fl_Widget*, void* fenetre);
    static void vBoutonEnvoiAjouterCallback(Fl_Widget*, void* fenetre);
    static void vBoutonEnvoiModifierCallback(Fl_Widget*, void* fenetre);
    static void vBoutonEnvoiSupprimerCallback(Fl_Widget*, void* fenetre);
    static void vChoixEnvoiSelectionCallback(Fl_Widget*, void* fenetre);

    // 1 when the profile form cannot make a profile of this layout.
    int is_entry_invalid() const;
    // The form's five texts.
    FormulaireProfil formulaire() const;

    const bool http;  // the HTTP layout
    char* texte;      // the request text (owned)
    // The rule the page's send button follows, asked again before any send
    // that is recorded; empty for a text the page sends whatever its
    // request (the system request, the deletion of automations).
    std::function<bool()> regle;
    // The volume and cost shown, as the record of the send gives them.
    const std::string volumeMontre, coutMontre;
    // The form.
    Fl_Input* inputNom;
    Fl_Input* inputEmail;
    Fl_Input* inputServeur;
    Fl_Input* inputPassword;
    Fl_Input* inputPort;
    // The request and the journal, in the same place.
    Fl_Group* groupeRequete;
    Fl_Group* groupeJournal;
    Fl_Text_Buffer* tamponJournal;
    Fl_Text_Display* journal;
    Fl_Output* sortieVolume;
    Fl_Output* sortieVolumeMail;
    Fl_Output* sortieCout;
    Fl_Output* sortieRequete;
    // "Envoi http direct" (HTTP layout) or "Envoi mail direct" (mail).
    classeBouton* boutonEnvoiDirect;
    // Mail layout only: "Envoi http direct"; null in the HTTP layout.
    classeBouton* boutonEnvoiHttp;
    classeBouton* boutonEnvoiMail;
    classeBouton* boutonCopier;
    classeBouton* boutonFermer;
    Fl_Group* cadre;
    Fl_Choice* choixProfil;
    classeBouton* boutonGestion;
    Fl_Group* groupeProfils;
    Fl_Box* statut;
    std::string profilEdite;  // the name the form was filled from

private:
    void vConstruireEntete(const char* volume, const char* cost);
    void vConstruireRequete();
    void vConstruireEnvois();
    void vConstruireGestion();
    classeBouton* pBouton(int x, int y, int w, const char* texte, Fl_Callback* rappel);
    Fl_Input* pChamp(int y, const char* texte);
    void vChoixRemplir();
    int iAjouterEntree(const std::string& nom);
    bool bChanger(ResultatProfil (ProfilsEnvoi::*changement)(const FormulaireProfil&),
                  const char* quoi);
    int iEntreeChoix(const std::string& nom) const;
    void vChoixPremier();
    void vRemplirFormulaire(const TYPEDEF_PROFIL& p);
    void vActiverSelonProfil();
    void vDesactiverEnvois();
    void vStatut(const char* texte, Fl_Color fond, Fl_Color encre);
    void vStatutProfil(const char* quoi, const std::string& nom);
    void vStatutErreur(ResultatProfil r);
    ProfilsEnvoi profils() const;
    void vMontrerJournal();
    void vLancerHttp(const TYPEDEF_PROFIL& p);
    void vLancerSmtp(const TYPEDEF_PROFIL& p);
    TYPEDEF_PROFIL* pDebutEnvoi();
    bool bRefuse();
    bool bInstantane(EnvoiRequete& envoi) const;
    void vConfier(const std::shared_ptr<TravailFenetre>& travail);
    void vAbandonner();
    bool bTexteParti() const;
    void vCacherSousGestion();
    void vMontrerSousGestion();
    void vResultatProfil(ResultatProfil r, const char* quoi, const std::string& nom);

    JournalFenetre journalFenetre_;
    // The text was handed to the mail client or to the page's transfer.
    bool remis_ = false;
    // The page's rule refused the text: no way sends it from here.
    bool refuse_ = false;
    // The direct send of the window (HTTP or mail), once started; its
    // thread leaves the window alone once it is detached.
    std::shared_ptr<TravailFenetre> travail_;
    // The names of the choice's entries, by index (a deleted profile's
    // entry is hidden, never removed).
    std::vector<std::string> nomsChoix_;
    // What the profile group hid of the frame under it, shown again when
    // the group closes: nothing of the frame draws over the form.
    std::vector<Fl_Widget*> sousGestion_;
};

// The open send window, or null; each new one replaces the previous one.
extern WindowsSend* fenetreEnvoi;

#endif
