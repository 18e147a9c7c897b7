// Which received names are kept, and where they go: the one rule that the
// answer analysis (before a send is told a success), the hand-over of a
// second launch and the incoming-folder scan all follow, so that nothing
// one of them accepts is deleted by another; the viewer's "Ouvrir"
// offers and opens the same kinds.
#ifndef TRANSPORT_GENRE_RECU_H
#define TRANSPORT_GENRE_RECU_H

// What the scan does with a name of lockdir/.
enum GenreRecu { RECU_SATELLITE, RECU_IMAGE, RECU_TEXTE, RECU_GRIB, RECU_EN_COURS, RECU_AUTRE };

// By the name's extension, in any case: ".jpg", ".jpeg", ".png", ".gif"
// pictures (their format is then told by their signature when they
// decode), ".txt" texts, ".grb", ".bz2", ".gz" GRIB files, ".tmp" a file
// still being written; "SAT_GLOBE2.jpg" exactly is the satellite picture.
// The rest is no kind the program files. `nom` is a base name: the
// extension is taken from its last full stop.
GenreRecu genreRecu(const char* nom);

// The names a file chooser offers among the kinds the program files and
// opens (pictures, texts, GRIB files), in the toolkit's pattern form:
// "*.{jpg,jpeg,png,gif,txt,grb,bz2,gz}" (the toolkit matches it in any
// case).
const char* pcFiltreGenres();
// The same extensions as a user reads them: ".jpg .jpeg ... .gz".
const char* pcExtensionsGenres();

// The product folder a kind is filed into ("dat", "dat/image",
// "dat/bulletin"); null for the satellite picture (it replaces globe.jpg)
// and for names that are not filed.
const char* pcDossierGenre(GenreRecu genre);

// The largest file the reader of that kind opens, in octets; 0 for names
// that are not filed.
long long llTailleGenreMax(GenreRecu genre);

#endif
