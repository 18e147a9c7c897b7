// The labelling helpers live in ui/libelles.h; this name stays for the
// pages that still include it.
#ifndef PAGES_LIBELLES_H
#define PAGES_LIBELLES_H

#include "ui/libelles.h"

#endif
