// What may go into a request's lines, from the page or from a saved-request
// file the user can edit. Each check answers false for a value to ignore;
// the caller logs it.
#ifndef TRANSPORT_REGLES_REQUETE_H
#define TRANSPORT_REGLES_REQUETE_H

#include <cstddef>
#include <string>

// The log tag of the request model.
extern const char* const TAG_REQUETE;

// A mesh: finite and at least 0.01 degree (finer than any model; a finer
// whole-world zone has more points than a land count holds).
bool bMailleValide(double maille);
// A mesh text: at most 13 characters, all of them one such number.
bool bTexteMailleValide(const char* texte, double& maille);
// A mesh between the finest and the coarsest mesh the catalogue offers for
// `modele` (for a model it does not list, those of the whole catalogue).
bool bMailleDuModele(double maille, int modele);
// Zone bounds: finite, |latitude| <= 90, |longitude| <= 540.
bool bZoneValide(double nord, double sud, double ouest, double est);
// A moving-zone speed: finite, 0 to 100 knots.
bool bVitesseValide(double vitesse);
// A course: 0 to 360 degrees.
bool bCapValide(int cap);
// A whole course line "V <course> <speed>", or the bare "V"; the course
// a whole number of degrees, 0 to 360.
bool bLigneCapValide(const std::string& ligne, int& cap, double& vitesse);
// "C", "C gzip" or "C bzip2".
bool bLigneCompressionValide(const std::string& ligne);
// "F 0" or "F 1".
bool bLigneTerreValide(const std::string& ligne);
// A domain name the request knows, or a decimal model number; `id` gets
// the model number.
bool bDomaineValide(const char* nom, int& id);
// An automation text: 1 to 13 printable characters.
bool bAutomatisationValide(const char* texte);

// A coordinate as the request text and the saved request write it:
// `decimales` decimals, and a value that rounds to zero without its sign
// ("0.000", never "-0.000").
std::string texteCoordonnee(double valeur, int decimales);

// The price in euros of `valeurs` values at 0.00048 euro each, cut to the
// cent (to the hundredth of a cent for a package), counted exactly.
double dPrixValeurs(long long valeurs, bool forfait);

// ---- The words of a saved request's lists.
// No control byte (a NUL would cut the request text short).
bool bMotImprimable(const std::string& mot);
// The longest forecast time the models' runs offer, and the latest
// validity (that time after the day's last run).
constexpr int ECHEANCE_MAX = 240;
constexpr int VALIDITE_MAX = ECHEANCE_MAX + 18;
// A forecast time or validity as "%d" writes it, 0 to `maximum` hours.
bool bHeureValide(const std::string& mot, int maximum);
// A parameter key that `modele` offers (any key of the parameter table for
// a model the catalogue does not list or lists without parameters).
bool bParametreDuModele(const std::string& cle, int modele);

// ---- Saved requests.
// The most octets a saved request's file may hold: the largest request the
// page writes (128 words in each list, 128 codes of 47 characters) takes
// a few kilo-octets.
constexpr size_t TAILLE_REQUETE_MAX = size_t(1) << 20;
// The longest bulletin code a request holds.
constexpr size_t CODE_OBJET_MAX = 47;
// The folder a saved request lies in tells its kind: a file in a folder
// named "grib" holds a GRIB request (type 0), one in a folder named
// "bull" a bulletin request (type 1). Only the file's own folder counts,
// not the folders above it.
bool bDossierRequete(const char* chemin, int type);
// A line of a saved bulletin request that may go to the service: one code
// word of 1 to 47 letters, digits, '_' or '-', and not the automation
// letter "A" (a marker, a keyword line or a blank line is none).
bool bCodeObjet(const std::string& ligne);

#endif
