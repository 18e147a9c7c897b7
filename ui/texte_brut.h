// Texts from outside (file names, route and profile names, typed or read
// text) shown by the toolkit as they stand. A label reads "@" as the mark
// of a symbol (what follows the last "@" of a line is drawn as one, or
// not at all); a menu entry's label reads "&" as a shortcut mark too; and
// a menu's add() reads "/" as a submenu, "\" as an escape and a leading
// "_" as a divider; a help view reads "<" and "&" as markup. Each of these
// is written so that it shows itself.
#ifndef UI_TEXTE_BRUT_H
#define UI_TEXTE_BRUT_H

#include <string>

// For a label, a window title shown in a label, a message box: "@@".
std::string sLibelleBrut(const char* texte);
inline std::string sLibelleBrut(const std::string& texte) { return sLibelleBrut(texte.c_str()); }

// For a menu entry's label set as it is (replace()): "@@" and "&&".
std::string sEntreeMenuBrute(const char* texte);

// For a menu entry made by add(): as above, and "/", "\" and "_" behind
// a "\".
std::string sAjoutMenuBrut(const char* texte);

// The text a menu entry's label written by either of the two above stands
// for: "@@" and "&&" read as one.
std::string sTexteEntreeMenu(const char* libelle);

// For a help view's HTML: "<", ">" and "&" as entities.
std::string sHtmlBrut(const std::string& texte);

#endif
