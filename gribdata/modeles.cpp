#include "gribdata/modeles.h"

namespace {

using Mailles = std::array<float, MAILLES>;
using Parametres = std::array<const char*, MODELE_PARAMETRES>;

constexpr Mailles AUCUNE = {};
constexpr Mailles GLOBE = {0.25f, 0.5f, 0.75f, 1, 1.25f, 2.5f};
constexpr Mailles VOSTEL = {0.5f, 1, 1.5f, 2, 2.5f, 5};
constexpr Mailles FINES = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 1};

constexpr Parametres RIEN = {};
constexpr Parametres P_MONDE = {"Vent", "Pmer", "Tmer", "Pluie", "Mer totale", "Mer du vent",
                                "Houle"};
constexpr Parametres P_VOSTEL = {"Vent", "Pmer", "Tmer", "Pluie", "Mer totale", "Mer du vent",
                                 "Houle", "Houle1", "Houle2"};
constexpr Parametres P_TROPIQUES = {"Vent", "Pmer", "Pluie", "Mer totale", "Mer du vent",
                                    "Houle", "Houle1", "Houle2"};
constexpr Parametres P_VENT_PMER_PLUIE = {"Vent", "Pmer", "Pluie"};
constexpr Parametres P_VENT_PMER = {"Vent", "Pmer"};

}  // namespace

const TYPEDEF_MODELE MODELES[NOMBRE_MODELES] = {
    {0, "null", "null", 0, 0, 0, 90, -90, -180, 180, GLOBE, RIEN},
    {3, "Monde", "ECMWF", 85, 1, 255, 90, -90, -180, 180,
     {0.125f, 0.25f, 0.5f, 1, 1.5f, 2.5f}, P_MONDE},
    {8, "Mercator", "oceanographique Mercator", 85, 10, 255, 90, -90, -180, 180, GLOBE,
     {"Courant", "Tprof"}},
    {4, "Vostel", "Vostel Globe", 85, 43, 223, 90, -90, -180, 180, VOSTEL, P_VOSTEL},
    {4, "Vostel", "Vostel Globe", 85, 4, 0, 90, -90, -180, 180, VOSTEL, RIEN},
    {4, "Vagues Globe", "Vostel Vagues", 85, 2, 0, 90, -90, -180, 180, AUCUNE, RIEN},
    {12, "Europe", "Vostel Europe", 85, 51, 223, 72, 20, -32, 42, FINES, P_VOSTEL},
    {12, "Europe", "Vostel Europe", 85, 5, 0, 72, 20, -32, 42, AUCUNE, RIEN},
    {12, "Vagues Europe", "Vostel Vagues Europe", 85, 52, 0, 72, 20, -32, 42, AUCUNE, RIEN},
    {7, "Tropiques", "Vostel tropiques", 85, 42, 0, 90, -90, -180, 180, VOSTEL, P_TROPIQUES},
    {4, "Vagues Medit", "Vostel europe vagues", 85, 3, 0, 67, 30, -12, 42, AUCUNE, RIEN},
    {4, "Atlantique", "Vostel atlantique", 85, 41, 0, 70, -10, -100, 100, VOSTEL,
     P_VENT_PMER_PLUIE},
    {4, "Europe", "Vostel europe", 85, 5, 0, 67, 30, -12, 42, GLOBE, P_VOSTEL},
    {1, "Ombrel", "Ombrel", 85, 8, 0, 57, 35, -11, 17, FINES, P_VOSTEL},
    {1, "Ombrel Vagues", "Ombrel vagues", 85, 9, 0, 57, 35, -11, 17, AUCUNE, RIEN},
    {7, "Tropiques", "Vostel tropiques", 85, 78, 0, 31, 23, 47, 60, FINES, P_VENT_PMER},
    {7, "Tropiques", "Vostel tropiques vagues", 85, 14, 0, 31, 23, 47, 60, FINES, P_VENT_PMER},
    {3, "Wam Medit", "Wam Medit", 85, 7, 0, 67, 30, -12, 42, AUCUNE, RIEN},
    {3, "Wam", "Wam", 85, 6, 0, 90, -90, -180, 180, AUCUNE, RIEN},
    {2, "Tisca", "Tisca", 85, 86, 95, 51.5f, 41, -6, 10.5f,
     {0.025f, 0.05f, 0.075f, 0.1f, 0.15f, 0.25f}, P_VENT_PMER_PLUIE},
    {5, "Reunion", "Ombrel Reunion", 85, 81, 223, 0, -32, 31.5f, 88.5f,
     {0.1f, 0.2f, 0.4f, 0.8f, 1, 1.2f}, {"Vent", "Pmer", "Mer totale", "Mer du vent", "Houle1"}},
    {6, "Qatar", "Ombrel Qatar", 85, 82, 223, 31, 23, 47, 60, FINES, P_VENT_PMER},
    {13, "Antilles", "Ombrel Antilles", 85, 83, 223, 28, -5, -75, -45, FINES, P_VENT_PMER},
    {13, "Polynesie", "Ombrel Polynesie", 85, 84, 223, -1, -31, -164, -128, FINES, P_VENT_PMER},
    {13, "Caledonie", "Ombrel Caledonie", 85, 85, 223, -10, -30, 156, 174, FINES, P_VENT_PMER},
    {0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, AUCUNE, RIEN},
};

const TYPEDEF_MODELE* pPremierModele(int code)
{
    for (const TYPEDEF_MODELE* m = MODELES + 1; m->libelleCourt; ++m)
        if (m->code == code)
            return m;
    return nullptr;
}

const TYPEDEF_MODELE* pDernierModele(int code)
{
    const TYPEDEF_MODELE* trouve = nullptr;
    for (const TYPEDEF_MODELE* m = MODELES + 1; m->libelleCourt; ++m)
        if (m->code == code)
            trouve = m;
    return trouve;
}

std::vector<const TYPEDEF_MODELE*> modelesProposes()
{
    std::vector<const TYPEDEF_MODELE*> v;
    for (const TYPEDEF_MODELE* m = MODELES + 1; m->libelleCourt; ++m)
        if (m->masque)
            v.push_back(m);
    return v;
}
