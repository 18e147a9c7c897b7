// What the viewer's display controls decide, apart from their widgets: the
// isoline interval chosen in an iso menu, the opacity of a transparency,
// the kind of the parameter buttons, the validity one step away and the
// turning label of the interpolation button.
#ifndef PAGES_REGLAGES_VISUALISATEUR_H
#define PAGES_REGLAGES_VISUALISATEUR_H

class classeBoutonImage;
class fdc;

// The codes of the two menu items that choose classes instead of an
// interval (vr::iCodeMenuIso).
constexpr int CODE_BEAUFORT = 33;
constexpr int CODE_ETAT_MER = 34;

// The isobar reference of an interval: 1015 hPa for 1 and 5, 1014 for 3,
// 1016 for 2 and 4, 1010 for any other.
int iReferenceIsobare(int intervalle);

// Writes the choice of the iso menu titled `menu` ("P", "T", "F", "H", "C",
// "s", "%", "m"), whose item reads `texte` and carries `code`, into the
// map's settings. Answers 0 for a title it does not know.
int iChoisirIntervalle(fdc& carte, const char* menu, const char* texte, int code);

// The opacity of a transparency slider's value: its integer part on 8 bits,
// 128 stored as 127.
unsigned char ucOpacite(double valeur);

// The parameter buttons become toggles (superposition on) or radio
// buttons, of which only the first pressed stays pressed.
void vTypeParametres(classeBoutonImage** boutons, int superposer);

// The index `sens` (+1 or -1) steps away from `courant` among `n`,
// wrapping round at both ends.
int iEcheanceVoisine(int courant, int n, int sens);

// The next of the ten forms of the interpolation button's label, which
// turn while an interpolation runs; a label outside them is kept.
const char* pcInterpolationSuivante(const char* etiquette);
// The label at rest.
extern const char* const INTERPOLATION_REPOS;

#endif
