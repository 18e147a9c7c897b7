// Reading mapped memory whose file may shrink under it: the kernel then
// answers a read past the new end with SIGBUS, which would end the
// program. Such reads run under this guard, which turns that signal into
// an answer.
#ifndef GRIBDATA_GARDE_SIGBUS_H
#define GRIBDATA_GARDE_SIGBUS_H

// Runs `lecture(donnees)`; false when a SIGBUS cut it short. The reader
// must hold nothing that needs releasing when it is cut short (no owning
// local, no allocation pending). SIGBUS outside a guarded read keeps its
// usual effect.
bool bLectureProjetee(void (*lecture)(void*), void* donnees);

#endif
