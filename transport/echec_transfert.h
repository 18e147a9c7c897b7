// What the user is told of a transfer that ended red, by the phase it
// ended in: one wording for the progress popups and the send window's
// direct send, so that a connection that worked is never told as one that
// did not, and a name that did not resolve is told with the name.
#ifndef TRANSPORT_ECHEC_TRANSFERT_H
#define TRANSPORT_ECHEC_TRANSFERT_H

#include "transport/reponse.h"

#include <string>

// The catalogue key of a failed phase's reason (PHASE_ECHEC and below);
// null for any other phase.
const char* pcRaisonEchec(int phase);

// The reason in the running language; for PHASE_INTROUVABLE the host
// follows it, as it stands.
std::string sRaisonEchec(int phase, const char* hote);

// The phase a transfer ends in once its answer is filed: green only when
// it was whole and all it carried filed; an accepted request that brought
// no data is recorded, but not shown as data received.
int iPhaseFinale(IssueReponse issue);

#endif
