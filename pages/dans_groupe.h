// Widgets made from here on go into `groupe` (when not null), whatever
// group is open; the open group is put back at the end of the scope. The
// request page rebuilds parts of itself from callbacks, long after its
// groups were closed.
#ifndef PAGES_DANS_GROUPE_H
#define PAGES_DANS_GROUPE_H

#include <FL/Fl_Group.H>

struct DansGroupe {
    Fl_Group* courant = Fl_Group::current();
    explicit DansGroupe(Fl_Group* groupe)
    {
        if (groupe)
            Fl_Group::current(groupe);
    }
    ~DansGroupe() { Fl_Group::current(courant); }
    DansGroupe(const DansGroupe&) = delete;
    DansGroupe& operator=(const DansGroupe&) = delete;
};

#endif
