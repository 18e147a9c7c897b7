// What may go into a request's lines, from the page or from a saved-request
// file the user can edit. Each check answers false for a value to ignore;
// the caller logs it.
#ifndef TRANSPORT_REGLES_REQUETE_H
#define TRANSPORT_REGLES_REQUETE_H

#include <string>

// The log tag of the request model.
extern const char* const TAG_REQUETE;

// A mesh: finite and at least 0.01 degree (finer than any model; a finer
// whole-world zone has more points than a land count holds).
bool bMailleValide(double maille);
// A mesh text: at most 13 characters, all of them one such number.
bool bTexteMailleValide(const char* texte, double& maille);
// Zone bounds: finite, |latitude| <= 90, |longitude| <= 540.
bool bZoneValide(double nord, double sud, double ouest, double est);
// A moving-zone speed: finite, 0 to 100 knots.
bool bVitesseValide(double vitesse);
// A whole course line "V <course> <speed>", or the bare "V".
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

#endif
