#include "map/tampon_brut.h"

#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace {

constexpr size_t GRANDE_PAGE = size_t(2) << 20;

// Below two large pages a buffer comes from the ordinary heap.
bool bGrand(size_t octets)
{
    return octets >= 2 * GRANDE_PAGE;
}

}  // namespace

void* pvAllouerTampon(size_t octets)
{
    if (!bGrand(octets))
        return ::operator new(octets);
    const size_t arrondi = (octets + GRANDE_PAGE - 1) / GRANDE_PAGE * GRANDE_PAGE;
    void* p = std::aligned_alloc(GRANDE_PAGE, arrondi);
    if (!p)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    madvise(p, arrondi, MADV_HUGEPAGE);  // a mere hint: refused, it changes nothing
#endif
    return p;
}

void vLibererTampon(void* p, size_t octets)
{
    if (bGrand(octets))
        std::free(p);
    else
        ::operator delete(p);
}
