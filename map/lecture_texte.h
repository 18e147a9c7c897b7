// The read-out's HTML text: styled pieces appended to a text of at most
// LECTURE_MAX characters, the rest cut at a character boundary.
#ifndef MAP_LECTURE_TEXTE_H
#define MAP_LECTURE_TEXTE_H

// Room of a read-out text, terminator included.
constexpr int LECTURE_TAILLE = 4100;
constexpr int LECTURE_MAX = LECTURE_TAILLE - 1;

// The pieces' styles: a blue bold heading with its line break (1), a green
// bold label (2), an italic label (-1), a red bold heading with its line
// break (3 and above); any other value below 1 appends the text as it is.
enum {
    LECTURE_TITRE = 1,
    LECTURE_LIBELLE = 2,
    LECTURE_ITALIQUE = -1,
    LECTURE_BRUT = 0,
    LECTURE_UNITE = -2,
    LECTURE_ALERTE = 3,
};

// Appends `piece` in `style` to `texte` (LECTURE_TAILLE bytes, ended by a
// zero). What does not fit is cut, never half a UTF-8 character.
void vAjouterLecture(char* texte, const char* piece, int style);

#endif
