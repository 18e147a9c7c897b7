// Find and replace in a text buffer, without any display: the searches
// ignore letter case, as the toolkit buffer's forward search does.
#ifndef UI_RECHERCHE_TEXTE_H
#define UI_RECHERCHE_TEXTE_H

class Fl_Text_Buffer;

// Looks for `cherche` from `depuis` (brought within the text) and puts
// `remplace` in place of the first match. Answers the match's position,
// or -1 when there is none (nothing changes then).
int iRemplacerSuivant(Fl_Text_Buffer* b, int depuis, const char* cherche, const char* remplace);

// Replaces every match from the start, each search going on after the last
// replacement (a replacement holding the search text is not searched
// again), all in one change of the buffer. Answers the count; `fin` gets
// the position after the last one.
int iRemplacerTout(Fl_Text_Buffer* b, const char* cherche, const char* remplace, int& fin);

#endif
