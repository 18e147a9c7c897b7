// Bit cursor throughput: fields of 8, 12 and 16 bits read and written over a
// 100 MB buffer, reported as values per second (items_per_second).
//
// Usage: bench_bits [Google Benchmark flags]
#include "codes/bit.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

const size_t TAILLE = 100u * 1024 * 1024;

// Pseudo-random content, the same at every run, with one octet to spare for
// the write that ends on the last boundary.
std::vector<unsigned char>& tampon()
{
    static std::vector<unsigned char> octets = [] {
        std::vector<unsigned char> v(TAILLE + 1);
        uint32_t x = 2463534242u;
        for (auto& o : v) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            o = (unsigned char)x;
        }
        return v;
    }();
    return octets;
}

void lecture(benchmark::State& state)
{
    unsigned largeur = (unsigned)state.range(0);
    size_t valeurs = TAILLE * 8 / largeur;
    CLASS_CODES_BIT bit(tampon().data(), 0);
    for (auto _ : state) {
        bit.vInit(0);
        unsigned long somme = 0;
        for (size_t i = 0; i < valeurs; i++)
            somme += bit.ulRead(largeur);
        benchmark::DoNotOptimize(somme);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(valeurs));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(TAILLE));
}

void ecriture(benchmark::State& state)
{
    unsigned largeur = (unsigned)state.range(0);
    size_t valeurs = TAILLE * 8 / largeur;
    CLASS_CODES_BIT bit;
    for (auto _ : state) {
        bit.vChangeInit(tampon().data());
        for (size_t i = 0; i < valeurs; i++)
            bit.vWrite(largeur, i);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(valeurs));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(TAILLE));
}

}

BENCHMARK(lecture)->Arg(8)->Arg(12)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(ecriture)->Arg(8)->Arg(12)->Arg(16)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
