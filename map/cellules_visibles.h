// The cells of the bands' cut-out in view: a buffer of their own, or the
// field's whole grid itself when the cut-out is all of it and needs no
// refinement of its own (a world view), which then is not copied. Read
// as a flat array of the cut-out's rows.
#ifndef MAP_CELLULES_VISIBLES_H
#define MAP_CELLULES_VISIBLES_H

#include "map/tampon_brut.h"

#include <cstddef>

class CellulesVisibles {
public:
    CellulesVisibles() = default;
    // A copy has cells of its own: the grid seen is the original's.
    CellulesVisibles(const CellulesVisibles& c) { *this = c; }
    CellulesVisibles& operator=(const CellulesVisibles& c)
    {
        if (this != &c) {
            const int* d = c.data();
            propres_.assign(d, d + c.taille_);
            vue_ = nullptr;
            taille_ = c.taille_;
        }
        return *this;
    }
    CellulesVisibles(CellulesVisibles&&) = default;
    CellulesVisibles& operator=(CellulesVisibles&&) = default;

    const int* data() const { return vue_ ? vue_ : propres_.data(); }
    size_t size() const { return taille_; }
    bool empty() const { return taille_ == 0; }
    int operator[](size_t i) const { return data()[i]; }
    // Writing a cell makes the cells their own first.
    int& operator[](size_t i)
    {
        if (vue_)
            *this = CellulesVisibles(*this);
        return propres_[i];
    }

    // Cells of their own, not yet written.
    void resize(size_t n)
    {
        vue_ = nullptr;
        propres_.resize(n);
        taille_ = n;
    }
    void clear() { resize(0); }
    // The n cells of a grid that outlives the view.
    void vVoir(const int* grille, size_t n)
    {
        vue_ = grille;
        taille_ = n;
    }
    // Takes the cells of `t`, which gets the buffer of its own.
    void swap(TamponBrut<int>& t)
    {
        vue_ = nullptr;
        propres_.swap(t);
        taille_ = propres_.size();
    }

private:
    const int* vue_ = nullptr;
    size_t taille_ = 0;
    TamponBrut<int> propres_;
};

#endif
