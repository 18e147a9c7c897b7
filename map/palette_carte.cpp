#include "map/palette_carte.h"

// Until the program's palette is set up by the shell, the sea of the
// palette's definition.
Fl_Color couleurMer()
{
    return 0x1D5B9700;
}
