#include "ui/alerte_differee.h"

#include "gribdata/globales.h"
#include "ui/boucles_imbriquees.h"

#include <FL/Fl.H>
#include <FL/fl_ask.H>
#include <algorithm>
#include <deque>

namespace {

std::deque<std::string> enAttente;

void vMontrer(void*)
{
    if (enAttente.empty())
        return;
    // Once the program ends no box opens: the texts go to the log.
    if (!bBoitesPermises()) {
        for (const std::string& t : enAttente)
            vJournal("<BOITE>", "fin du programme, alerte non montree: %s\n", t.c_str());
        enAttente.clear();
        return;
    }
    if (!bBouclePrincipale()) {
        Fl::repeat_timeout(0.05, vMontrer);
        return;
    }
    const std::string texte = enAttente.front();
    enAttente.pop_front();
    fl_alert("%s", texte.c_str());
    if (!enAttente.empty() && !Fl::has_timeout(vMontrer))
        Fl::add_timeout(0.0, vMontrer);
}

}  // namespace

void vAlerteDifferee(const std::string& texte)
{
    if (std::find(enAttente.begin(), enAttente.end(), texte) == enAttente.end())
        enAttente.push_back(texte);
    if (!Fl::has_timeout(vMontrer))
        Fl::add_timeout(0.0, vMontrer);
}
