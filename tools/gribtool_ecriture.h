// gribtool's commands that write GRIB files: the encoder and the time
// interpolation.
#ifndef TOOLS_GRIBTOOL_ECRITURE_H
#define TOOLS_GRIBTOOL_ECRITURE_H

// Decodes every message of `entree` (file order) and writes it re-encoded to
// `sortie`: 0, or 3 when a message was refused (the others are written).
int iCommandeRepack(const char* entree, const char* sortie);
// Runs the time interpolation of `nom` in the current folder: the worker's
// log on standard error, a summary and the output's path on standard
// output; 0 when it ends without failure.
int iCommandeInterp(const char* nom);

#endif
