// The buffers of the colour bands: grown without writing the new elements
// (each is written whole before it is read), and the large ones (a
// refined world field takes tens of megabytes) asked of the system in
// pages of 2 MB, where it offers them: a field's first drawing would
// otherwise spend as long taking its memory page by page as computing it.
#ifndef MAP_TAMPON_BRUT_H
#define MAP_TAMPON_BRUT_H

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

void* pvAllouerTampon(size_t octets);
void vLibererTampon(void* p, size_t octets);

template <class T>
struct AllocateurBrut : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = AllocateurBrut<U>;
    };
    AllocateurBrut() = default;
    template <class U>
    AllocateurBrut(const AllocateurBrut<U>&) {}
    template <class U>
    void construct(U* p) { ::new (static_cast<void*>(p)) U; }
    template <class U, class... A>
    void construct(U* p, A&&... a) { ::new (static_cast<void*>(p)) U(std::forward<A>(a)...); }
    T* allocate(size_t n) { return static_cast<T*>(pvAllouerTampon(n * sizeof(T))); }
    void deallocate(T* p, size_t n) { vLibererTampon(p, n * sizeof(T)); }
};
template <class T>
using TamponBrut = std::vector<T, AllocateurBrut<T>>;

#endif
