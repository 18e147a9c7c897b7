// A disk that fills, without privileges: past a size, this process's
// writes into any regular file fail with EFBIG, as they would with ENOSPC.
#ifndef TESTS_OUTILS_DISQUE_PLEIN_H
#define TESTS_OUTILS_DISQUE_PLEIN_H

#include <csignal>
#include <sys/resource.h>

// For its lifetime, no file of this process grows past `octets` (the
// signal such a write raises is ignored meanwhile). Keep the log and
// anything else the test writes below that size.
class DisquePlein {
public:
    explicit DisquePlein(rlim_t octets);
    ~DisquePlein();
    DisquePlein(const DisquePlein&) = delete;
    DisquePlein& operator=(const DisquePlein&) = delete;

private:
    struct rlimit ancienne_;
    struct sigaction action_;
};

#endif
