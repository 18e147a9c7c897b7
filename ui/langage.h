// The switch of the running program to another language.
#ifndef UI_LANGAGE_H
#define UI_LANGAGE_H

// Reloads the catalogue for `code` ("fr", "en", "de" or "sp") and relabels
// every window that stays open; closes the send window and rebuilds the
// file chooser. The windows above the kit take their steps through
// crochetsLangage (ui/crochets.h). The caller refuses it while a secondary
// window is open.
void change_langage(const char* code);

// Whether the language may change now: no secondary window registered.
bool bLangageModifiable();

#endif
