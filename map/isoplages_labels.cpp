// The isoline labels: nothing is written until the bands are drawn.
#include "map/isoplages.h"

void isoplages::labels() {}
