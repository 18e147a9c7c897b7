#include "gribdata/garde_sigbus.h"

#include <csetjmp>
#include <csignal>
#include <mutex>

namespace {

thread_local sigjmp_buf* saut = nullptr;
struct sigaction precedente;
std::once_flag installation;

void vSigbus(int signal, siginfo_t* info, void* contexte)
{
    if (saut)
        siglongjmp(*saut, 1);
    // Not a guarded read: what was there before. With the default action
    // restored, the faulting read faults again and ends the program.
    if (precedente.sa_flags & SA_SIGINFO) {
        precedente.sa_sigaction(signal, info, contexte);
    } else if (precedente.sa_handler != SIG_IGN && precedente.sa_handler != SIG_DFL) {
        precedente.sa_handler(signal);
    } else {
        struct sigaction defaut = {};
        defaut.sa_handler = SIG_DFL;
        sigaction(SIGBUS, &defaut, nullptr);
    }
}

void vInstaller()
{
    struct sigaction action = {};
    action.sa_sigaction = vSigbus;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &precedente);
}

}  // namespace

bool bLectureProjetee(void (*lecture)(void*), void* donnees)
{
    std::call_once(installation, vInstaller);
    sigjmp_buf point;
    sigjmp_buf* const englobant = saut;
    if (sigsetjmp(point, 1) != 0) {
        saut = englobant;
        return false;
    }
    saut = &point;
    lecture(donnees);
    saut = englobant;
    return true;
}
