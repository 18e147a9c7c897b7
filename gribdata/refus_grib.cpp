#include "gribdata/refus_grib.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/fichier_grib.h"
#include "gribdata/projections.h"

RefusGrib refusChamp(int code, const Grib& champ, const grib& r)
{
    RefusGrib refus;
    refus.code = code;
    // Section 1 as the file's scan read it: the decoder stops before the
    // parameter when the origin is refused.
    refus.centre = r.centre;
    refus.process = r.process;
    refus.table = r.table;
    refus.parametre = r.parametre;
    refus.sansGrille = !r.gds;
    // Read from section 2 on; a section 2 too short or absent is refused
    // before its representation.
    if (code >= GRIB_REPRESENTATION)
        refus.representation = champ.representation;
    refus.bits = champ.bitsParValeur;
    return refus;
}

RefusGrib refusFichier(const File& fichier)
{
    RefusGrib refus;
    if (!fichier.buffer || fichier.length == 0) {
        refus.code = REFUS_ILLISIBLE;
        return refus;
    }
    const grib* premier = fichier.list;
    if (!premier) {
        refus.code = fichier.tronque ? REFUS_TRONQUE : REFUS_AUCUN_MESSAGE;
        return refus;
    }
    Grib champ;
    if (const int code = iDecoderEnregistrement(champ, *premier))
        return refusChamp(code, champ, *premier);
    return refusChamp(REFUS_PARAMETRES, champ, *premier);
}

RefusGrib lacuneFichier(const File& fichier)
{
    RefusGrib lacune;
    if (fichier.tronque)
        lacune.code = REFUS_TRONQUE;
    return lacune;
}
