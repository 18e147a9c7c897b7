// The satellite picture under the maps: "globe.jpg" in the working folder,
// loaded at start-up by a thread of its own and replaced when a new one
// arrives. Its last 10 bytes are its date stamp YYYYMMDDHH (UTC), shown as
// the maps' caption.
#ifndef MAP_SATELLITE_H
#define MAP_SATELLITE_H

#include <string>

class Fl_RGB_Image;

// 1 once a satellite picture is available (FDCSAT, map/chargement_fonds.h).
extern int FDC0ok;
// The caption of the maps on the picture; empty without a valid stamp.
extern char FDCHAINE[64];
// The stamp and its terminator; empty when the picture has none.
extern char FDCHAINEBUFFER[12];

extern const char* const CHEMIN_SATELLITE;

// Thread body: removes the received pictures a crash or the end of the
// program left staged (vSupprimerAttentesSatellite), decodes the picture
// into FDCSAT and reads its stamp. The picture is published under the
// toolkit's lock and LOAD_FDCSAT set on every path. A picture that is
// there but fails is renamed "globe.jpg.bad" (logged), so that the next
// start goes without it.
void* load_fdcsat(void*);

// Reads the stamp of a picture file into FDCHAINEBUFFER and makes
// FDCHAINE: both empty when the file cannot be read, is shorter than 10
// bytes or its last 10 bytes are not all letters or digits (logged).
void readDateDatelliteImage(const char* path);

// Rebuilds FDCHAINE from FDCHAINEBUFFER in the current language.
void vLegendeSatellite();

// A new "globe.jpg" was filed: when it decodes it replaces FDCSAT on every
// map that shows the picture; otherwise the old picture, its caption and
// FDC0ok stay as they were (logged). GUI thread, or under the lock.
void loadSatelliteImage();

// A picture decoded by pLireSatellite from the file now at "globe.jpg"
// takes the place of FDCSAT as above (the stamp read from "globe.jpg");
// the function owns it. GUI thread, or under the lock.
void vInstallerSatellite(Fl_RGB_Image* nouvelle);

// The picture of a complete JPEG file (the date stamp may follow its end
// marker), read once and decoded by libjpeg within the kit's bounds,
// without the toolkit's shared-image registry, which the GUI thread uses
// meanwhile, and of the world's proportions (its width twice its height,
// within 3 per cent: the maps lay it over 360 by 180 degrees); null
// otherwise (logged).
Fl_RGB_Image* pLireSatellite(const char* path);

// A received picture is staged outside lockdir/ under a name of its own,
// "globe.jpg.<pid>.<n>" (no other instance on the folder takes it), before
// it is decoded: one that ends the program while it decodes is never met
// again (the next start removes it), and the current picture stays until
// the new one is accepted.
std::string sAttenteSatellite();
// The staged picture decoded by pLireSatellite; when refused it is kept
// as "globe.jpg.bad" (logged) and null is returned.
Fl_RGB_Image* pLireSatelliteRecu(const char* attente);
// The accepted staged picture becomes "globe.jpg"; false (logged, the
// staged file removed) when it cannot.
bool bPoserSatellite(const char* attente);
// Removes the staged pictures of the working folder a stopped run left,
// older than the start of the instance that holds the folder (logged):
// a running instance's stay.
void vSupprimerAttentesSatellite();

#endif
