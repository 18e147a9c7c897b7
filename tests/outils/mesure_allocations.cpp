#include "tests/outils/mesure_allocations.h"

#include <atomic>
#include <cstddef>

namespace {

std::atomic<bool> actif{false};
std::atomic<unsigned long long> total{0};

void vCompter(size_t n)
{
    if (actif.load(std::memory_order_relaxed))
        total.fetch_add(n, std::memory_order_relaxed);
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// Called by AddressSanitizer's allocator on every allocation (its header
// comes with clang only).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                         void (*)(const volatile void*));
namespace {
[[maybe_unused]] const int installe = __sanitizer_install_malloc_and_free_hooks(
    [](const volatile void*, size_t n) { vCompter(n); }, [](const volatile void*) {});
}  // namespace
#else
// glibc's own entries, behind the names every call reaches first.
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

unsigned long long ullOctetsDemandes(const std::function<void()>& faire)
{
    total = 0;
    actif = true;
    faire();
    actif = false;
    return total.load();
}
