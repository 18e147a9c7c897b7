// A position typed into the title bar's latitude or longitude input: what
// the map's cursor read-out writes there (" 16°07'19\"S", " 16.1219S"),
// or plain decimal degrees ("-16.12").
#ifndef MAP_SAISIE_POSITION_H
#define MAP_SAISIE_POSITION_H

// Degrees, minutes and seconds (whole numbers, each part after the
// degrees optional) or decimal degrees, then the hemisphere letter
// (N or S, E or W, either case) or a sign but not both, blanks around.
// False for any other text, minutes or seconds of 60 or more, or a
// position beyond 90 degrees of latitude or 180 of longitude.
bool bLirePosition(const char* texte, bool longitude, double& degres);

#endif
