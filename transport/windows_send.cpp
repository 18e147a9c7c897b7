// The send window's construction. Rows from the top of the inner frame:
// title, volumes and cost, the mail-client row, the request (or the
// journal), the close button, the direct sends, the profile choice; the
// profile group lies over the middle rows while it is shown.
#include "transport/windows_send.h"

#include "transport/crochets_envoi.h"
#include "transport/travail_fenetre.h"

#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/globales_ui.h"
#include "ui/local.h"
#include "ui/palette.h"
#include "ui/place_libelle.h"
#include "ui/saisie_annulable.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Multiline_Output.H>
#include <FL/Fl_Output.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <cstdio>
#include <cstdlib>

WindowsSend* fenetreEnvoi = nullptr;

namespace {

const int SUJET_HTTP = -161, SUJET_MAIL = -71;
const int Y_VOLUME = 52, Y_MAIL = 120, Y_REQUETE = 170, H_REQUETE = 174;
const int Y_FERMER = 348, Y_ENVOIS = 374, Y_PROFIL = 402;

void* pageAide()
{
    return crochetsEnvoi.pageRequete ? crochetsEnvoi.pageRequete() : nullptr;
}

Fl_Box* pTexte(int x, int y, int w, const char* texte, Fl_Align alignement = FL_ALIGN_LEFT)
{
    Fl_Box* b = new Fl_Box(x, y, w, 18, pcTraduire(texte));
    b->align(alignement | FL_ALIGN_INSIDE);
    b->labelsize(12);
    b->labelfont(DRU_FONT);
    return b;
}

Fl_Output* pSortie(int x, int y, int w, const char* valeur)
{
    Fl_Output* o = new Fl_Output(x, y, w, 18);
    o->textsize(12);
    o->value(valeur);
    return o;
}

// One row of the top: a label, an output and its unit.
Fl_Output* pLigne(int y, const char* texte, int w, const char* valeur, const char* unite)
{
    pTexte(20, y, 130, texte);
    Fl_Output* o = pSortie(160, y, w, valeur);
    pTexte(166 + w, y, 70, unite);
    return o;
}

// The volume of the mail that carries a file of `volume` Ko: the file's
// octets base64-encoded, with a few Ko of mail around them.
std::string volumeMail(const char* volume)
{
    char t[64];
    std::snprintf(t, sizeof t, " %.3lf", (2.5 + std::atof(volume ? volume : "0")) * 8 / 6);
    return t;
}

// Every button's text fitted in its row at its own size: the longer
// languages take a smaller size.
void vAjusterBoutons(Fl_Group* g)
{
    for (int i = 0; i < g->children(); ++i) {
        Fl_Widget* w = g->child(i);
        if (Fl_Group* dedans = w->as_group())
            vAjusterBoutons(dedans);
        else if (dynamic_cast<Fl_Button*>(w))
            vAjusterLibelle(w, w->labelsize());
    }
}

}  // namespace

WindowsSend::WindowsSend(const char* volume, const char* cost, char* text, int x, int y, int w,
                         int h, const char* label)
    : Fl_Double_Window(x, y, w, h, label), http(MODE_CONNECTE == 1 && MODE_GRIB_HTTP == 1),
      texte(text ? text : new char[1]{}), volumeMontre(volume ? volume : ""),
      coutMontre(cost ? cost : "")
{
    clear_border();
    set_modal();
    // Escape closes it as its close button does.
    callback(vBoutonEnvoiFermerCallback, this);
    box(FL_FLAT_BOX);
    color(COLOR_ORANGE_TEXTE);
    cadre = new Fl_Group(10, 10, w - 20, h - 20);
    cadre->box(FL_ENGRAVED_BOX);
    cadre->color(COLOR_FOND);
    vConstruireEntete(volume, cost);
    vConstruireRequete();
    vConstruireEnvois();
    cadre->end();
    vConstruireGestion();
    end();
    vAjusterBoutons(this);
    vChoixRemplir();
    vActiverSelonProfil();
    show();
}

WindowsSend::~WindowsSend()
{
    if (travail_)
        travail_->vDetacher();
    hide();
    // The display lets go of its buffer when it goes: the buffer after it.
    clear();
    delete tamponJournal;
    delete[] texte;
}

classeBouton* WindowsSend::pBouton(int x, int y, int w, const char* t, Fl_Callback* rappel)
{
    classeBouton* b = new classeBouton(x, y, w, 20, pcTraduire(t));
    b->callback(rappel, this);
    return b;
}

void WindowsSend::vConstruireEntete(const char* volume, const char* cost)
{
    const int l = w();
    Fl_Box* titre = new Fl_Box(20, 16, l - 40, 20, pcTraduire("Envoyer la requete"));
    titre->labelfont(DRU_FONT_BOLD);
    titre->labelsize(12);
    titre->labelcolor(COLOR_ORANGE_TEXTE);
    pBoutonAide(l - 44, 16, http ? SUJET_HTTP : SUJET_MAIL, pageAide());
    const std::string v = std::string(" ") + (volume ? volume : "");
    sortieVolume = pLigne(Y_VOLUME, CLE_LOCAL("Volume du fichier"), 80, v.c_str(),
                          CLE_LOCAL("Koctets"));
    Fl_Group* ligneMail = new Fl_Group(20, Y_VOLUME + 22, l - 40, 18);
    sortieVolumeMail = pLigne(Y_VOLUME + 22, CLE_LOCAL("Volume du mail"), 80,
                              volumeMail(volume).c_str(), CLE_LOCAL("Koctets"));
    ligneMail->end();
    if (http)
        ligneMail->hide();
    sortieCout = pLigne(Y_VOLUME + 44, CLE_LOCAL("Cout"), 70, cost ? cost : "", CLE_LOCAL("Euros"));
}

void WindowsSend::vConstruireRequete()
{
    const int l = w();
    Fl_Group* mail = new Fl_Group(20, Y_MAIL, l - 40, 46);
    boutonEnvoiMail = pBouton(20, Y_MAIL, l - 66, CLE_LOCAL("Ou envoi par le client mail"),
                              vBoutonEnvoiMailCallback);
    pBoutonAide(l - 42, Y_MAIL, http ? SUJET_HTTP : SUJET_MAIL, pageAide());
    // A reminder: the page put the text on the clipboard already.
    boutonCopier = pBouton(20, Y_MAIL + 24, l - 66, CLE_LOCAL("Ou Copier puis Coller dans un client mail"),
                           nullptr);
    boutonCopier->deactivate();
    pBoutonAide(l - 42, Y_MAIL + 24, http ? SUJET_HTTP : SUJET_MAIL, pageAide());
    mail->end();
    for (Fl_Group** g : {&groupeRequete, &groupeJournal}) {
        *g = new Fl_Group(20, Y_REQUETE, l - 40, H_REQUETE,
                          pcTraduire(g == &groupeRequete ? CLE_LOCAL("Requete") : CLE_LOCAL("Journal")));
        (*g)->box(FL_ENGRAVED_BOX);
        (*g)->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
        (*g)->labelsize(11);
        if (g == &groupeRequete) {
            sortieRequete = new Fl_Multiline_Output(24, Y_REQUETE + 16, l - 48, H_REQUETE - 20);
            sortieRequete->textsize(11);
            sortieRequete->value(texte);
        } else {
            tamponJournal = new Fl_Text_Buffer(1024);
            journal = new Fl_Text_Display(24, Y_REQUETE + 16, l - 48, H_REQUETE - 20);
            journal->buffer(tamponJournal);
            journal->textsize(11);
            // Servers' replies can be long: they wrap rather than scroll.
            journal->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
            journalFenetre_ = JournalFenetre(tamponJournal, journal);
        }
        (*g)->end();
    }
    groupeJournal->hide();
    boutonFermer = pBouton(l * 3 / 8, Y_FERMER, l / 4, CLE_LOCAL("Fermer"), vBoutonEnvoiFermerCallback);
}

void WindowsSend::vConstruireEnvois()
{
    const int l = w();
    void* page = pageAide();
    if (http) {
        boutonEnvoiDirect = pBouton(l / 2 - 70, Y_ENVOIS, 140, CLE_LOCAL("Envoi http direct"),
                                    vBoutonEnvoiDirectCallback);
        pBoutonAide(l / 2 + 74, Y_ENVOIS, SUJET_HTTP, page);
        boutonEnvoiHttp = nullptr;
    } else {
        const int b = (l - 40 - 2 * 22 - 8) / 2;
        boutonEnvoiDirect = pBouton(20, Y_ENVOIS, b, CLE_LOCAL("Envoi mail direct"),
                                    vBoutonEnvoiDirectCallback);
        pBoutonAide(22 + b, Y_ENVOIS, SUJET_MAIL, page);
        boutonEnvoiHttp = pBouton(l - 42 - b, Y_ENVOIS, b, CLE_LOCAL("Envoi http direct"),
                                  vBoutonEnvoiDirectHttpCallback);
        pBoutonAide(l - 40, Y_ENVOIS, SUJET_MAIL, page);
    }
    pTexte(20, Y_PROFIL + 1, 56, CLE_LOCAL("Profil"));
    choixProfil = new Fl_Choice(80, Y_PROFIL, 160, 20);
    choixProfil->textsize(12);
    choixProfil->callback(vChoixEnvoiSelectionCallback, this);
    boutonGestion = pBouton(246, Y_PROFIL, l - 266, CLE_LOCAL("Gestion"), vBoutonEnvoiGestionCallback);
}

Fl_Input* WindowsSend::pChamp(int y, const char* t)
{
    // Escape puts back what the field showed, without closing the window.
    Fl_Input* i = new ChampAnnulable<Fl_Input>(140, y, 160, 20, pcTraduire(t));
    i->labelsize(12);
    i->textsize(12);
    return i;
}

void WindowsSend::vConstruireGestion()
{
    const int l = w(), y = Y_MAIL;
    groupeProfils = new Fl_Group(20, y, l - 40, 240);
    groupeProfils->box(FL_ENGRAVED_BOX);
    groupeProfils->color(COLOR_FOND);
    Fl_Box* titre = pTexte(24, y + 4, l - 48,
                           http ? CLE_LOCAL("Gestion des profils Http") : "Gestion des profils mail",
                           FL_ALIGN_CENTER);
    titre->labelfont(DRU_FONT_BOLD);
    statut = new Fl_Box(24, y + 26, l - 48, 20);
    statut->labelsize(11);
    vStatut(pcTraduire("Afficher/Ajouter/Supprimer ou Modifier (-/+) un profil"), COLOR_FOND,
            FL_BLACK);
    // Each layout shows its own fields one under the other.
    const int r[5] = {y + 54, y + 79, y + 104, y + 129, y + 154};
    inputNom = pChamp(r[0], CLE_LOCAL("Nom du profil"));
    inputEmail = pChamp(r[1], CLE_LOCAL("Adresse mail"));
    inputPassword = pChamp(http ? r[2] : r[4], CLE_LOCAL("Mot de passe"));
    inputServeur = pChamp(http ? r[3] : r[2], CLE_LOCAL("Serveur SMTP"));
    inputPort = pChamp(http ? r[4] : r[3], CLE_LOCAL("Port SMTP"));
    inputPort->size(45, 20);  // five digits
    inputPort->value("25");
    if (http) {
        inputServeur->hide();
        inputPort->hide();
    } else {
        inputPassword->hide();
    }
    pBouton(25, y + 186, 75, CLE_LOCAL("Nouveau"), vBoutonEnvoiNouveauCallback);
    pBouton(103, y + 186, 75, CLE_LOCAL("Ajouter"), vBoutonEnvoiAjouterCallback);
    pBouton(181, y + 186, 75, CLE_LOCAL("Modifier"), vBoutonEnvoiModifierCallback);
    pBouton(259, y + 186, 75, CLE_LOCAL("Supprimer"), vBoutonEnvoiSupprimerCallback);
    pBouton(l / 2 - 40, y + 212, 80, CLE_LOCAL("Fermer"), vBoutonEnvoiFermer2Callback);
    groupeProfils->end();
    groupeProfils->hide();
}
