#include "transport/travail_fenetre.h"

#include "transport/prise.h"
#include "transport/service_http.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>

namespace {

const Fl_Color VERT = 157, ROUGE = 88;

void vDesactiver(Fl_Widget* w)
{
    if (w)
        w->deactivate();
}

}  // namespace

void TravailFenetre::vDetacher()
{
    journal = JournalFenetre();
    affichage = boutonMail = boutonCopier = fenetre = nullptr;
    rendreEnvois = nullptr;
}

bool TravailFenetre::bAbandonner()
{
    std::lock_guard<std::mutex> garde(verrou_);
    if (conclu_)
        return false;
    abandon = true;
    return !acquis_;
}

void TravailFenetre::vAcquerir()
{
    std::lock_guard<std::mutex> garde(verrou_);
    acquis_ = true;
}

bool TravailFenetre::bConclure()
{
    std::lock_guard<std::mutex> garde(verrou_);
    if (abandon.load() && !acquis_)
        return false;
    conclu_ = true;
    return true;
}

void TravailFenetre::vIssue(bool parti, bool enregistre, const std::string& t, bool sansMail,
                            bool sansCopie)
{
    const bool reussi = parti && enregistre;
    if (!parti)
        echec = true;
    journal.ajouter("\n");
    journal.ajouter(t.c_str());
    journal.afficher();
    if (sansMail)
        vDesactiver(boutonMail);
    else if (boutonMail)
        boutonMail->activate();
    if (sansCopie)
        vDesactiver(boutonCopier);
    if (!parti && rendreEnvois)
        rendreEnvois();
    if (affichage) {
        affichage->color(reussi ? VERT : ROUGE);
        affichage->redraw();
    }
    if (fenetre)
        fenetre->redraw();
}

void vSousVerrou(const std::function<void()>& f)
{
    Fl::lock();
    if (!ARRET_TRANSFERTS.load())
        f();
    Fl::unlock();
    Fl::awake();
}

GardeAbandon::GardeAbandon(const TravailFenetre& travail)
{
    vAbandonDuThread(&travail.abandon);
}

GardeAbandon::~GardeAbandon()
{
    vAbandonDuThread(nullptr);
}
