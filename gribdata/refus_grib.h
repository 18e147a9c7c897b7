// Why the viewer draws nothing of a file or of a record: the field
// decoder's refusal with what it had read of the message before refusing,
// or a case of the whole file. The viewer tells the user from this.
#ifndef GRIBDATA_REFUS_GRIB_H
#define GRIBDATA_REFUS_GRIB_H

class File;
class Grib;
struct grib;

// The cases of a whole file, beside the codes of Grib::set.
enum {
    REFUS_ILLISIBLE = 100,      // not read (missing, unreadable, not decompressed)
    REFUS_AUCUN_MESSAGE = 101,  // read, without a GRIB edition 1 message
    REFUS_PARAMETRES = 102,     // its messages hold no parameter the viewer shows
    REFUS_TRONQUE = 103,        // its last message is cut short
    // A wind or current record (its `parametre`) at a validity:
    REFUS_SANS_V = 104,         // without its v component
    REFUS_GRILLES_UV = 105,     // its v component on another grid
};

struct RefusGrib {
    int code = 0;  // 0: nothing refused; Grib::set's codes, or the above
    int centre = 0, process = 0, table = 0;
    bool sansGrille = false;  // the message has no grid description
    int representation = -1;  // -1: no grid description read
    int bits = 0;             // bits per value, 0 when not read
    int parametre = 0;
};

// What `champ` holds of the message of record `r` that Grib::set refused
// with `code`.
RefusGrib refusChamp(int code, const Grib& champ, const grib& r);

// Why a file in which the viewer found nothing to list shows nothing:
// unread, without message (REFUS_TRONQUE when one is cut short), or its
// first record refused by the decoder, else REFUS_PARAMETRES with that
// record's parameter.
RefusGrib refusFichier(const File& fichier);

// What a file the viewer shows lacks: REFUS_TRONQUE when its last message
// is cut short (not listed), else code 0.
RefusGrib lacuneFichier(const File& fichier);

#endif
