#include "tests/outils/mesure_allocations.h"

#include <atomic>
#include <cstdlib>
#include <stdexcept>

namespace {

std::atomic<bool> actif{false};
std::atomic<unsigned long long> total{0}, plusGrand{0};
std::atomic<bool> vu{false};

void vCompter(size_t n)
{
    vu.store(true, std::memory_order_relaxed);
    if (!actif.load(std::memory_order_relaxed))
        return;
    total.fetch_add(n, std::memory_order_relaxed);
    unsigned long long m = plusGrand.load(std::memory_order_relaxed);
    while (n > m && !plusGrand.compare_exchange_weak(m, n, std::memory_order_relaxed)) {
    }
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/allocator_interface.h>

namespace {

void surAllocation(const volatile void*, size_t n)
{
    vCompter(n);
}

void surLiberation(const volatile void*) {}

[[maybe_unused]] const int installe = __sanitizer_install_malloc_and_free_hooks(surAllocation, surLiberation);

}  // namespace

#else

// glibc's own entries, under the names the program's calls reach first.
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);

void* malloc(size_t n) noexcept
{
    vCompter(n);
    return __libc_malloc(n);
}

void* calloc(size_t n, size_t taille) noexcept
{
    vCompter(n * taille);
    return __libc_calloc(n, taille);
}

void* realloc(void* p, size_t n) noexcept
{
    vCompter(n);
    return __libc_realloc(p, n);
}
}

#endif

MesureAllocations::MesureAllocations()
{
    if (actif.load())
        throw std::logic_error("une mesure a la fois");
    total = 0;
    plusGrand = 0;
    actif = true;
}

MesureAllocations::~MesureAllocations()
{
    actif = false;
}

unsigned long long MesureAllocations::octets() const
{
    return total.load();
}

unsigned long long MesureAllocations::plusGrande() const
{
    return plusGrand.load();
}

bool MesureAllocations::bDisponible()
{
    void* volatile p = std::malloc(1);
    std::free(p);
    return vu.load();
}
