// xorshift32: the benchmarks' generators make the same bytes on every
// machine, which <random>'s distributions do not promise.
#ifndef BENCH_ALEA_H
#define BENCH_ALEA_H

#include <cstdint>

struct Alea {
    uint32_t etat;
    explicit Alea(uint32_t graine) : etat(graine) {}
    uint32_t operator()()
    {
        etat ^= etat << 13;
        etat ^= etat >> 17;
        etat ^= etat << 5;
        return etat;
    }
};

#endif
