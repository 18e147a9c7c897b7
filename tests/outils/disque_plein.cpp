#include "tests/outils/disque_plein.h"

DisquePlein::DisquePlein(rlim_t octets)
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &action_);
    getrlimit(RLIMIT_FSIZE, &ancienne_);
    struct rlimit limite = ancienne_;
    limite.rlim_cur = octets;
    setrlimit(RLIMIT_FSIZE, &limite);
}

DisquePlein::~DisquePlein()
{
    setrlimit(RLIMIT_FSIZE, &ancienne_);
    sigaction(SIGXFSZ, &action_, nullptr);
}
