#include "map/palette_carte.h"

// Until the program's palette is set up by the shell: the palette's values.
Fl_Color couleurMer() { return 0x1D5B9700; }
Fl_Color couleurTerre() { return 0xA08C6400; }
Fl_Color couleurLac() { return 0x13518D00; }
Fl_Color couleurIle() { return 0x8C786400; }
Fl_Color couleurEtang() { return 0x09478300; }
