// The system request asked directly: "@mto@reqt@sys@" sent to the service
// on a transfer thread, in a slot the GUI thread claimed with its popup,
// within the system request's own limits. The service's message is filed
// into the hand-over folder, where the scan opens it; the popup shows each
// step as it ends, and how the request ended by the transfers' own rule:
// green only for an answer accepted whole, red with the reason otherwise.
#ifndef TRANSPORT_SYSTEME_HTTP_H
#define TRANSPORT_SYSTEME_HTTP_H

#include "transport/canaux.h"

// GUI thread: starts the thread on the claimed slot; false when it could
// not start (the popup, whose thread never comes, closes by itself).
bool bLancerSysteme(LienCanal lien);

#endif
