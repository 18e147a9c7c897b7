// Recording an accepted send: a block in the send log "etc/envois.txt" and
// the saved request under "etc/grib/" or "etc/bull/". A transfer thread
// records what was sent, not what the request page shows by then: the send
// takes a snapshot when it starts (on the GUI thread, which alone touches
// the request and the catalogue), and the record is written from it.
#ifndef TRANSPORT_ENVOI_H
#define TRANSPORT_ENVOI_H

#include <array>
#include <ctime>
#include <mutex>
#include <string>

struct AnalyseReponse;

struct EnvoiRequete {
    int type = 0;        // 0 GRIB, 1 bulletin
    std::string texte;   // the request text as sent
    std::string volume;  // the volume and cost texts the recapitulation shows
    std::string cout;
    std::string corps;   // the saved request's lines
    // Day names (Sunday first) and month names in the user's language.
    std::array<std::string, 7> jours;
    std::array<std::string, 12> mois;
};

// Held while a send log block, a saved request or a history line is
// written, so that two transfer threads do not interleave their records;
// the program's shutdown takes it to stop them (ARRET_TRANSFERTS).
std::mutex& verrouTransport();

// Appends the send log block for the instant `quand` (whole, or the log
// cut back to what it was), then writes the saved request, even when the
// block could not be. Answers 0 when both were written, -1 otherwise (each
// failure logged); once the program is shutting down nothing is written
// (-1).
int iEnregistrerEnvoi(const EnvoiRequete& envoi, time_t quand);

// Writes the saved request whole into a new file named by the local time
// `quand` ("_2", "_3", ... before ".txt" when that name is taken): a file
// that could not be written whole is never left; none for a deletion of
// automations (0). Answers 0, or -1 (logged) when it could not be, or the
// program is shutting down.
int iEnregistrerRequete(const EnvoiRequete& envoi, time_t quand);

// A send that succeeded is recorded when `enregistrer`. True when all it
// leaves on disk is there: its record then, and the history line of what
// it brought (`historique`); a send whose record could not be written
// never ends as a plain success.
bool bEnregistrerReussite(bool enregistrer, const EnvoiRequete& envoi, bool historique = true);

// The record of an HTTP send by its answer: a request the service took
// (AnalyseReponse::acceptee) is recorded when `enregistrer`, whatever
// became of the data its answer carried. True unless that record, or the
// history line of a file filed, could not be written.
bool bEnregistrerReponse(const AnalyseReponse& reponse, bool enregistrer,
                         const EnvoiRequete& envoi);

// What the user is told beside an outcome whose record could not be
// written (a catalogue key).
extern const char* const ENVOI_NON_ENREGISTRE;

// The send log block, without the file.
std::string blocEnvoi(const EnvoiRequete& envoi, time_t quand);

#endif
