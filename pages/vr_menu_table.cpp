// The iso menus of the viewer pages: the intervals of the isolines of each
// parameter family. Each radio item's text is its value; "beaufort" and
// "etat de la mer" choose the classes, with the codes 33 and 34. The one
// item marked in each submenu is the map's initial interval. Each
// submenu's items share the callback of their family.
#include "pages/vr.h"

#include "pages/reglages_visualisateur.h"

#include <FL/Fl_Menu_Item.H>

namespace {

constexpr int MARQUEE = 72, AUTRE = 56, TAILLE = 12;

// The two items that choose the classes: the table points at these texts,
// so that their places are found again in any copy of it.
const char BEAUFORT[] = "beaufort";
const char ETAT_MER[] = "etat de la mer";

constexpr Fl_Callback* P = vr::vMenuButtonVisualisateurParametresIsobaresCallback;
constexpr Fl_Callback* T = vr::vMenuButtonVisualisateurParametresIsothermesCallback;
constexpr Fl_Callback* F = vr::vMenuButtonVisualisateurParametresIsotachesCallback;
constexpr Fl_Callback* H = vr::vMenuButtonVisualisateurParametresIsohauteurCallback;
constexpr Fl_Callback* C = vr::vMenuButtonVisualisateurParametresIsocourantCallback;
constexpr Fl_Callback* S = vr::vMenuButtonVisualisateurParametresIsoperiodeCallback;
constexpr Fl_Callback* U = vr::vMenuButtonVisualisateurParametresIsohumiditeCallback;
constexpr Fl_Callback* M = vr::vMenuButtonVisualisateurParametresIsoprecipitationsCallback;

}  // namespace

#define TITRE(t) {t, 0, nullptr, nullptr, FL_SUBMENU, FL_NORMAL_LABEL, 0, TAILLE, 0}
#define ENTETE(t) {t, 0, nullptr, nullptr, FL_MENU_INACTIVE, FL_NORMAL_LABEL, 0, TAILLE, AUTRE}
#define ITEM(t, r) {t, 0, r, nullptr, FL_MENU_RADIO, FL_NORMAL_LABEL, 0, TAILLE, AUTRE}
#define MARQUE(t, r) \
    {t, 0, r, nullptr, FL_MENU_RADIO | FL_MENU_VALUE, FL_NORMAL_LABEL, 0, TAILLE, MARQUEE}
#define FIN {nullptr, 0, nullptr, nullptr, 0, 0, 0, 0, 0}

const char* const vr::LabelMenuTable[8] = {"P", "T", "F", "H", "C", "s", "%", "m"};

Fl_Menu_Item vr::MenuTable[] = {
    TITRE("P"), ENTETE("Isobares"), ITEM("1", P), ITEM("2", P), ITEM("3", P), ITEM("4", P),
    MARQUE("5", P), ITEM("10", P), FIN,
    TITRE("T"), ENTETE("Isothermes"), ITEM("0.1", T), ITEM("0.2", T), ITEM("0.5", T),
    ITEM("1", T), MARQUE("2", T), ITEM("3", T), ITEM("4", T), ITEM("5", T), FIN,
    TITRE("F"), ENTETE("Vent"), ITEM("1", F), ITEM("2", F), ITEM("4", F), ITEM("5", F),
    ITEM("10", F), MARQUE(BEAUFORT, F), FIN,
    TITRE("H"), ENTETE("Hauteur"), ITEM("0.0", H), ITEM("0.25", H), ITEM("0.5", H),
    ITEM("1", H), ITEM("2", H), ITEM("3", H), ITEM("4", H),
    MARQUE(ETAT_MER, H), FIN,
    TITRE("C"), ENTETE("Courant"), ITEM("0.01", C), ITEM("0.025", C), ITEM("0.05", C),
    ITEM("0.1", C), MARQUE("0.25", C), ITEM("0.5", C), ITEM("1.0", C), FIN,
    TITRE("s"), ENTETE("Periode"), ITEM("0.25", S), ITEM("0.5", S), MARQUE("1", S),
    ITEM("2", S), ITEM("3", S), ITEM("4", S), ITEM("5", S), FIN,
    TITRE("%"), ENTETE("Humidite"), ITEM("1", U), ITEM("5", U), MARQUE("10", U),
    ITEM("15", U), ITEM("20", U), ITEM("25", U), FIN,
    TITRE("m"), ENTETE("Précipitations"), ITEM("0.25", M), ITEM("0.5", M), ITEM("0.75", M),
    ITEM("1", M), ITEM("2", M), MARQUE("4", M), ITEM("8", M), ITEM("15", M), ITEM("30", M),
    FIN,
    FIN};

// The codes stay out of the items' shortcut field: the toolkit draws a
// shortcut beside the item's text and takes it for a key, and 33 and 34
// are the characters "!" and '"'.
int vr::iCodeMenuIso(int position)
{
    if (position < 0 || position >= MenuTable->size())
        return 0;
    const char* texte = MenuTable[position].text;
    return texte == BEAUFORT ? CODE_BEAUFORT : texte == ETAT_MER ? CODE_ETAT_MER : 0;
}
