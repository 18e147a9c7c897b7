#include "ui/boucles_imbriquees.h"

#include "ui/gestion_interfaces.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <atomic>
#include <vector>

namespace {

// Written from a signal handler: a lock-free atomic is safe there.
std::atomic<int> demandee{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler writes it");

std::vector<const BoucleImbriquee*> pile;

// A menu runs its loop until it is done with an event; Escape is the one
// that closes it without a choice.
void vFermerMenu()
{
    Fl_Window* menu = Fl::grab();
    if (!menu)
        return;
    const int touche = Fl::e_keysym;
    Fl::e_keysym = FL_Escape;
    menu->handle(FL_KEYBOARD);
    Fl::e_keysym = touche;
}

}  // namespace

BoucleImbriquee::BoucleImbriquee(std::function<void()> fermer) : fermer_(std::move(fermer))
{
    pile.push_back(this);
}

BoucleImbriquee::~BoucleImbriquee()
{
    for (auto i = pile.begin(); i != pile.end(); ++i)
        if (*i == this) {
            pile.erase(i);
            return;
        }
}

void BoucleImbriquee::vFermer() const
{
    if (fermer_)
        fermer_();
}

bool bBouclePrincipale()
{
    return pile.empty() && !Fl::grab() && !Fl::pushed();
}

void vSignalerFin()
{
    demandee = 1;
}

void vDemanderFin()
{
    demandee = 1;
    // A closer only marks its loop: none of them leaves the stack here.
    const std::vector<const BoucleImbriquee*> ouvertes(pile.rbegin(), pile.rend());
    for (const BoucleImbriquee* b : ouvertes)
        b->vFermer();
    vFermerMenu();
}

bool bFinDemandee()
{
    return demandee != 0;
}

void vFinPrise()
{
    demandee = 0;
}

bool bBoitesPermises()
{
    return !demandee && !gestion_interfaces::fermeture;
}
