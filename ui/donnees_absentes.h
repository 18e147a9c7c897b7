// The data the program reads from its working folder: img/ (the drawn
// map, the coastlines, the land masks, the splash) and loc/ (the message
// catalogues, the help documents); and the folders it writes into. Started
// in a folder without them, the program still runs, and says in its log
// and on screen what it misses.
#ifndef UI_DONNEES_ABSENTES_H
#define UI_DONNEES_ABSENTES_H

#include <string>
#include <vector>

// Looks for img/, loc/ and the catalogue of `langue` ("fr" when null) in
// the current folder; writes a log line for each one missing, with where
// it was looked for, and keeps it for the notice. Answers how many miss.
int iVerifierDonnees(const char* langue);

// Looks whether the working folders start-up made (dat/, etc/, lockdir/
// and theirs) are folders this run can write into; writes a log line for
// each that is not, the first of each tree only, and keeps it for the
// notice; so too when `autreInstance` holds the folder (this run then
// writes neither settings nor routes when it quits). Answers how many.
int iVerifierDossiers(bool autreInstance = false);

// The notice, in the current language: for each thing missing or folder
// unusable, a line with its name and one with what goes without it; empty
// when nothing misses.
std::vector<std::string> avisDonneesAbsentes();

#endif
