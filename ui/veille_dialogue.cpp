#include "ui/veille_dialogue.h"

#include "gribdata/globales.h"
#include "ui/boucles_imbriquees.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <xcb/xcb.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <unistd.h>

namespace {

// Frames of a window manager hold the windows of the programs: a dialog is
// found three levels under the root at most.
constexpr int PROFONDEUR = 3;

template <class Reponse>
std::unique_ptr<Reponse, decltype(&std::free)> pReponse(Reponse* r)
{
    return {r, &std::free};
}

xcb_atom_t atome(xcb_connection_t* c, const char* nom)
{
    auto r = pReponse(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(nom)), nom), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

struct Atomes {
    explicit Atomes(xcb_connection_t* c)
        : nom(atome(c, "_NET_WM_NAME")), utf8(atome(c, "UTF8_STRING")),
          pid(atome(c, "_NET_WM_PID")), protocoles(atome(c, "WM_PROTOCOLS")),
          fermer(atome(c, "WM_DELETE_WINDOW"))
    {
    }
    xcb_atom_t nom, utf8, pid, protocoles, fermer;
};

bool bPropriete(xcb_connection_t* c, xcb_window_t w, xcb_atom_t nom, xcb_atom_t type,
                std::string& valeur)
{
    auto r = pReponse(xcb_get_property_reply(c, xcb_get_property(c, 0, w, nom, type, 0, 256),
                                             nullptr));
    if (!r || r->type == XCB_ATOM_NONE)
        return false;
    valeur.assign(static_cast<const char*>(xcb_get_property_value(r.get())),
                  size_t(xcb_get_property_value_length(r.get())));
    return true;
}

bool bMontree(xcb_connection_t* c, xcb_window_t w)
{
    auto r = pReponse(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
    return r && r->map_state == XCB_MAP_STATE_VIEWABLE;
}

// A shown window of this process with the title.
bool bDialogue(xcb_connection_t* c, const Atomes& a, xcb_window_t w, const std::string& titre)
{
    std::string nom, pid;
    if (!bPropriete(c, w, a.nom, a.utf8, nom) || nom != titre)
        return false;
    const uint32_t nous = uint32_t(getpid());
    if (!bPropriete(c, w, a.pid, XCB_ATOM_CARDINAL, pid) || pid.size() != sizeof nous ||
        std::memcmp(pid.data(), &nous, sizeof nous) != 0)
        return false;
    return bMontree(c, w);
}

void vEnvoyerFermeture(xcb_connection_t* c, const Atomes& a, xcb_window_t w)
{
    xcb_client_message_event_t e = {};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = w;
    e.type = a.protocoles;
    e.data.data32[0] = a.fermer;
    e.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&e));
}

// Each window is asked once: asked again once its loop is over, it would
// answer a dialog that is gone.
void vFermerDialogues(xcb_connection_t* c, const Atomes& a, xcb_window_t parent, int profondeur,
                      const std::string& titre, std::set<xcb_window_t>& fermees)
{
    auto arbre = pReponse(xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr));
    if (!arbre)
        return;
    const xcb_window_t* enfants = xcb_query_tree_children(arbre.get());
    for (int i = 0; i < xcb_query_tree_children_length(arbre.get()); ++i) {
        const xcb_window_t w = enfants[i];
        if (!fermees.count(w) && bDialogue(c, a, w, titre)) {
            vJournal("<SELECTEUR>", "fin du programme: dialogue \"%s\" ferme\n", titre.c_str());
            vEnvoyerFermeture(c, a, w);
            fermees.insert(w);
        }
        if (profondeur > 1)
            vFermerDialogues(c, a, w, profondeur - 1, titre, fermees);
    }
    xcb_flush(c);
}

}  // namespace

VeilleDialogue::VeilleDialogue(const std::string& titre)
    : titre_(titre), affichage_(fl_display ? DisplayString(fl_display) : ""), arret_(false),
      fil_(&VeilleDialogue::vVeiller, this)
{
}

VeilleDialogue::~VeilleDialogue()
{
    {
        std::lock_guard<std::mutex> verrou(mutex_);
        arret_ = true;
    }
    reveil_.notify_one();
    fil_.join();
}

// The request comes from a signal handler, which cannot wake a thread:
// the flag is looked at ten times a second while the dialog is open.
void VeilleDialogue::vVeiller()
{
    xcb_connection_t* c = xcb_connect(affichage_.empty() ? nullptr : affichage_.c_str(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return;
    }
    const Atomes a(c);
    const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    std::set<xcb_window_t> fermees;
    std::unique_lock<std::mutex> verrou(mutex_);
    while (!arret_) {
        if (bFinDemandee()) {
            verrou.unlock();
            vFermerDialogues(c, a, racine, PROFONDEUR, titre_, fermees);
            verrou.lock();
        }
        reveil_.wait_for(verrou, std::chrono::milliseconds(100), [this] { return arret_; });
    }
    xcb_disconnect(c);
}
