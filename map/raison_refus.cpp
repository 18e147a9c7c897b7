#include "map/raison_refus.h"

#include "gribdata/champ_grib.h"
#include "ui/local.h"

namespace {

std::string sNombre(const char* mot, int n)
{
    return std::string(pcTraduire(mot)) + " " + std::to_string(n);
}

std::string sEntre(const std::string& detail)
{
    return " (" + detail + ")";
}

// The grids of GRIB edition 1's table 6 that files are met with.
std::string sGrille(int representation)
{
    switch (representation) {
    case 1: return "Mercator";
    case 3: return "Lambert";
    case 4: return pcTraduire("gaussienne");
    case 5: return pcTraduire("stereographique polaire");
    case 10: return pcTraduire("latitude/longitude tournee");
    case 50: return pcTraduire("harmoniques spheriques");
    default: return sNombre("type", representation);
    }
}

std::string sEndommage()
{
    return pcTraduire("message GRIB endommage");
}

}  // namespace

std::string sRaisonRefus(const RefusGrib& r)
{
    switch (r.code) {
    case 0: return "";
    case REFUS_ILLISIBLE: return pcTraduire("fichier illisible ou mal compresse");
    case REFUS_AUCUN_MESSAGE: return pcTraduire("aucun message GRIB edition 1 dans ce fichier");
    case REFUS_PARAMETRES:
        return pcTraduire("aucun parametre que le visualisateur affiche") +
               sEntre(sNombre("parametre", r.parametre));
    case REFUS_TRONQUE: return pcTraduire("fichier tronque : son dernier message est incomplet");
    case REFUS_SANS_V:
        return pcTraduire("vent ou courant sans sa composante V a cette echeance") +
               sEntre(sNombre("parametre", r.parametre));
    case REFUS_GRILLES_UV:
        return pcTraduire("composantes U et V sur des grilles differentes") +
               sEntre(sNombre("parametre", r.parametre));
    case GRIB_ORIGINE:
        return pcTraduire("produit d'un autre centre ou modele que ceux du service") +
               sEntre(sNombre("centre", r.centre) + ", " + sNombre("modele", r.process) + ", " +
                      sNombre("table", r.table));
    case GRIB_SECTION2:
        return r.sansGrille ? pcTraduire("grille que le visualisateur ne dessine pas") +
                                  sEntre(pcTraduire("sans description de grille"))
                            : sEndommage();
    case GRIB_REPRESENTATION:
        return pcTraduire("grille que le visualisateur ne dessine pas") +
               sEntre(sGrille(r.representation));
    case GRIB_RESOLUTION:
    case GRIB_BALAYAGE: return pcTraduire("grille disposee autrement que celles du service");
    case GRIB_COMPACTAGE: return pcTraduire("compactage que le visualisateur ne lit pas");
    case GRIB_SECTION4:
        if (r.bits && r.bits != 8)
            return pcTraduire("compactage que le visualisateur ne lit pas") +
                   sEntre(std::to_string(r.bits) + " bits");
        return sEndommage();
    case GRIB_FICHIER_CHANGE:
        return pcTraduire("le fichier a change sur le disque depuis son ouverture");
    default: return sEndommage();
    }
}
