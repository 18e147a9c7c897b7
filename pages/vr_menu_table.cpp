// The iso menus of the viewer pages: the intervals of the isolines of each
// parameter family. Each radio item's text is its value; "beaufort" and
// "etat de la mer" carry the codes 33 and 34 in their shortcut field. The
// one item marked in each submenu is the map's initial interval. The
// items' callbacks come with the page's display options.
#include "pages/vr.h"

#include <FL/Fl_Menu_Item.H>

namespace {

constexpr int MARQUEE = 72, AUTRE = 56, TAILLE = 12;

}  // namespace

#define TITRE(t) {t, 0, nullptr, nullptr, FL_SUBMENU, FL_NORMAL_LABEL, 0, TAILLE, 0}
#define ENTETE(t) {t, 0, nullptr, nullptr, FL_MENU_INACTIVE, FL_NORMAL_LABEL, 0, TAILLE, AUTRE}
#define ITEM(t) {t, 0, nullptr, nullptr, FL_MENU_RADIO, FL_NORMAL_LABEL, 0, TAILLE, AUTRE}
#define MARQUE(t) \
    {t, 0, nullptr, nullptr, FL_MENU_RADIO | FL_MENU_VALUE, FL_NORMAL_LABEL, 0, TAILLE, MARQUEE}
#define CODE_MARQUE(t, c) \
    {t, c, nullptr, nullptr, FL_MENU_RADIO | FL_MENU_VALUE, FL_NORMAL_LABEL, 0, TAILLE, MARQUEE}
#define FIN {nullptr, 0, nullptr, nullptr, 0, 0, 0, 0, 0}

const char* const vr::LabelMenuTable[8] = {"P", "T", "F", "H", "C", "s", "%", "m"};

Fl_Menu_Item vr::MenuTable[] = {
    TITRE("P"), ENTETE("Isobares"), ITEM("1"), ITEM("2"), ITEM("3"), ITEM("4"), MARQUE("5"),
    ITEM("10"), FIN,
    TITRE("T"), ENTETE("Isothermes"), ITEM("0.1"), ITEM("0.2"), ITEM("0.5"), ITEM("1"),
    MARQUE("2"), ITEM("3"), ITEM("4"), ITEM("5"), FIN,
    TITRE("F"), ENTETE("Vent"), ITEM("1"), ITEM("2"), ITEM("4"), ITEM("5"), ITEM("10"),
    CODE_MARQUE("beaufort", 33), FIN,
    TITRE("H"), ENTETE("Hauteur"), ITEM("0.0"), ITEM("0.25"), ITEM("0.5"), ITEM("1"), ITEM("2"),
    ITEM("3"), ITEM("4"), CODE_MARQUE("etat de la mer", 34), FIN,
    TITRE("C"), ENTETE("Courant"), ITEM("0.01"), ITEM("0.025"), ITEM("0.05"), ITEM("0.1"),
    MARQUE("0.25"), ITEM("0.5"), ITEM("1.0"), FIN,
    TITRE("s"), ENTETE("Periode"), ITEM("0.25"), ITEM("0.5"), MARQUE("1"), ITEM("2"), ITEM("3"),
    ITEM("4"), ITEM("5"), FIN,
    TITRE("%"), ENTETE("Humidite"), ITEM("1"), ITEM("5"), MARQUE("10"), ITEM("15"), ITEM("20"),
    ITEM("25"), FIN,
    TITRE("m"), ENTETE("Précipitations"), ITEM("0.25"), ITEM("0.5"), ITEM("0.75"), ITEM("1"),
    ITEM("2"), MARQUE("4"), ITEM("8"), ITEM("15"), ITEM("30"), FIN,
    FIN};
