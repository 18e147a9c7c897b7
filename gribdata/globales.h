// Program-wide globals that the file helpers and later parts of the program
// read before their owners exist: the activity log and the clock's shift.
// They move to their owners (start-up, clock) when those are built.
#ifndef GRIBDATA_GLOBALES_H
#define GRIBDATA_GLOBALES_H

#include <cstdio>

// Local time minus UTC in seconds, set by the clock; 0 until then.
extern int decalage;

// Writes one line to the activity log ("log.txt"; standard output until
// start-up opens it): the bracketed tag, a blank, then the message, and
// flushes, so a crash loses nothing already logged. Lines from different
// threads do not interleave; once the log is closed, lines are dropped.
void vJournal(const char* tag, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Makes `f` (null: standard output) the log and answers the previous one,
// which the caller closes if it must; lines are written again.
FILE* pfRemplacerJournal(FILE* f);

// Shutdown: closes the log (unless it is standard output or standard
// error) once no line is being written; a thread that outlives it writes
// nothing anywhere.
void vFermerJournal();

#endif
