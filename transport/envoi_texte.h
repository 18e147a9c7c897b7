// What a send records is told by the text that went, not by what the page
// shows beside it: a deletion of automations orders no product, a
// bulletin text is saved as the codes it carries.
#ifndef TRANSPORT_ENVOI_TEXTE_H
#define TRANSPORT_ENVOI_TEXTE_H

#include "transport/envoi.h"

#include <string>

// The text's automation line is "A 0": it deletes the automations and
// orders nothing else.
bool bSuppressionAutomatisations(const std::string& texte);

// The code lines of a bulletin text, one per line, as a saved request
// holds them: neither its header, its closing line nor its automation
// line.
std::string codesTexteBulletins(const std::string& texte);

// `envoi` made to record `envoi.texte`: a deletion with its own figures
// (0.5 Ko, 0.0) and no saved request, which would order products when
// loaded again; a bulletin text saved as its codes. A GRIB order keeps the
// saved request its snapshot took of the page.
void vAccorderAuTexte(EnvoiRequete& envoi);

#endif
