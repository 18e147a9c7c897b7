// What the send window asks of the request page above it, which installs
// these calls; a null one skips its step.
#ifndef TRANSPORT_CROCHETS_ENVOI_H
#define TRANSPORT_CROCHETS_ENVOI_H

#include "transport/envoi.h"

class requete;

struct TYPEDEF_CROCHETS_ENVOI {
    // The request page: the data of the window's help buttons.
    void* (*pageRequete)();
    // Keeps the profile's address and password for the page's transfers.
    void (*identifiants)(const char* email, const char* password);
    // The page's send button follows the page's rule again.
    void (*reactiverEnvoi)();
    // The page's request of a type (0 GRIB, 1 bulletin), or null.
    requete* (*requetePage)(int type);
};
extern TYPEDEF_CROCHETS_ENVOI crochetsEnvoi;

// Which of the page's requests records a sent text, by its first line:
// "@mto@reqt@grib@" or "@mto@reqt@forfait@" 0, "@mto@reqt@bull@" 1;
// -1 for anything else (the system request "@mto@reqt@sys@..." is not
// recorded).
int iGenreEnvoi(const char* texte);

// What recording `texte` writes: the snapshot of the page's request its
// first line names, with this text as the one sent, and the volume and
// cost shown beside it when given (else the recapitulation's). False when
// nothing is to be recorded (logged).
bool bInstantaneTexte(const char* texte, EnvoiRequete& envoi, const char* volume = nullptr,
                      const char* cout = nullptr);

// Records a text that went out: the send log block and the saved request
// of the request its first line names, with this text as the one sent and
// the figures given as bInstantaneTexte takes them. Answers what
// iEnregistrerEnvoi answers, or 1 when nothing is recorded (logged).
int iEnregistrerTexteEnvoye(const char* texte, const char* volume = nullptr,
                            const char* cout = nullptr);

#endif
