#include "ui/crochets.h"

void (*crochetBasculePage)(Fl_Widget*, void*) = nullptr;

TYPEDEF_CROCHETS_LANGAGE crochetsLangage = {};
