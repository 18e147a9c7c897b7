// The saved views of the pages' maps (etc/config.txt, one per page).
#ifndef MAP_VUE_SAUVEE_H
#define MAP_VUE_SAUVEE_H

#include "ui/configuration.h"

class fdc;

// Puts the map on a saved view. A view that no map can show (a value that
// is not finite, a span of 0 or less) leaves the map as it is; with
// `journal` it is logged. Answers 0, or -1 for such a view.
int iPoserVueSauvee(fdc* carte, const TYPEDEF_VUE& vue, int page, int journal);

#endif
