#include "shell/signaux.h"

#include "gribdata/globales.h"
#include "shell/demarrage.h"
#include "shell/globales_shell.h"
#include "ui/boucles_imbriquees.h"
#include "ui/editeur.h"
#include "ui/gestion_interfaces.h"
#include "ui/globales_ui.h"

#include <FL/Fl.H>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int tube[2] = {-1, -1};
// The shutdown's own question is open.
bool question = false;
// A signal came while it was: the user did not answer, and whoever sent
// the first one (a session manager) will not wait any longer.
bool forcee = false;

void vSignal(int)
{
    const int ancien = errno;
    vSignalerFin();
    const char octet = 1;
    if (write(tube[1], &octet, 1) < 0) {
        // The pipe is full: a shutdown is already pending.
    }
    errno = ancien;
}

// From a timeout, which a nested loop serves too: the windows go only from
// the main loop, once the boxes and dialogs closed by the request have
// returned to their callbacks.
void vServir(void*)
{
    if (!GUI)
        return;
    // Closing is refused until the loaders are done, and waits for the
    // closed loops to return (one opened meanwhile is closed too).
    if (!LOAD_FDC || !bBouclePrincipale()) {
        vDemanderFin();
        Fl::add_timeout(0.1, vServir);
        return;
    }
    vJournal("<TORMASKEL2>", "Signal: arret demande\n");
    // A kill may follow before the question below is answered: what the
    // end writes is written first.
    vEcrireSession();
    // The same question as closing the main window: "Annuler" on a
    // modified text keeps the program running.
    vFinPrise();
    question = true;
    forcee = false;
    const bool accordee = bFermeturesAccordees();
    question = false;
    if (forcee) {
        // The box closed as its cancel: the text is not written.
        vJournal("<TORMASKEL2>", "Signal: second signal, arret sans reponse\n");
    } else if (!accordee) {
        vJournal("<TORMASKEL2>", "Signal: arret annule\n");
        return;
    }
    gestion_interfaces::delall();
}

// Served by whichever loop runs: it only marks the request and closes the
// nested loops.
void vLireTube(int fd, void*)
{
    char octets[64];
    while (read(fd, octets, sizeof octets) > 0) {
    }
    if (question) {
        // The question closes as its cancel would; the end goes on.
        forcee = true;
        vDemanderFin();
        return;
    }
    vDemanderFin();
    Fl::remove_timeout(vServir);
    Fl::add_timeout(0.0, vServir);
}

}  // namespace

void vSignauxInstaller()
{
    if (tube[0] < 0) {
        if (pipe(tube) != 0)
            return;
        for (int fd : tube)
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    struct sigaction action = {};
    action.sa_handler = vSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    // SIGHUP: the terminal that started the program closed, or the session
    // that held it was lost; started under nohup, the program stays when
    // its terminal goes.
    struct sigaction hup = {};
    if (sigaction(SIGHUP, nullptr, &hup) != 0 || hup.sa_handler != SIG_IGN)
        sigaction(SIGHUP, &action, nullptr);
}

void vSignauxBoucle()
{
    if (tube[0] >= 0)
        Fl::add_fd(tube[0], FL_READ, vLireTube);
}

void vSignauxFin()
{
    if (tube[0] >= 0)
        Fl::remove_fd(tube[0]);
    Fl::remove_timeout(vServir);
}
