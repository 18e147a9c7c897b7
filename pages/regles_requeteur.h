// The request page's layout and state rules that need no widget: the
// widths of the product bar, the place of the GRIB accordion's help pane,
// and the product page the settings ask for.
#ifndef PAGES_REGLES_REQUETEUR_H
#define PAGES_REGLES_REQUETEUR_H

// The product bar's three text buttons, from the measured widths of their
// labels (each plus 2): the room left in the bar's 206 pixels is shared
// out when it exceeds 10; otherwise the measured widths stand, so that a
// long translation only ever widens a button.
struct LargeursGBI {
    int forfaits, bulletins, images;
};
LargeursGBI largeursGBI(int forfaits, int bulletins, int images);

// The child index at which the GRIB accordion's help pane goes for help
// topic `topic`, in a pack of `enfants` children (the pane not counted):
// k = |topic| mod 10 (1 for topic 0), then 2k - 2, or 2k - 4 from k = 7,
// kept within 0 to `enfants`.
int iIndexAideGrib(int topic, int enfants);

// The product page the settings' "onglets" values ask for: their product
// page when it is one of the four (routes only with a route window), else
// the GRIB page (not the packages page); a packages flag other than 1
// counts as 0. `refus` is set when the product page was not taken.
struct OngletsRequeteur {
    int page;
    int forfaits;
    bool refus;
};
OngletsRequeteur ongletsRequeteur(int page, int forfaits, bool routes);

#endif
