// Reads the segments that `gmt coast -M` writes: a header line
// "> Shore Bin # 12, Level 1" (or River, Border) and one "lon lat" line
// per point.
#ifndef TOOLS_COTES_LECTURE_GMT_H
#define TOOLS_COTES_LECTURE_GMT_H

#include "tools/cotes/morceau.h"

#include <istream>
#include <string>
#include <vector>

// Appends the pieces read; answers false, with the line and the reason in
// `erreur`, at the first line it cannot read.
bool bLireGmt(std::istream& entree, std::vector<Morceau>& morceaux, std::string& erreur);

#endif
