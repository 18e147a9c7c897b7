// Time interpolation of a GRIB file: between two messages of the same
// parameter and level a few hours apart, the fields of every hour between
// are computed and written, with the input's messages, to a new GRIB
// edition 1 file in lockdir/. Winds and currents are interpolated as
// direction and force, directions on the circle; a point missing at either
// end is missing in between. Rain is read by the displays' rule: a record
// whose total since the run is known is written as that total, any other
// step as the step it is (interpolation_pluie.h).
//
// The viewer starts gintertime on a thread of its own after setting START to
// 1 and putting the opened file's path in GRIB_INTERPOLATION_ENTREE; it
// polls START: 0 done (the output lies in GRIB_INTERPOLATION_SORTIE), 3
// done but incomplete (the output lies there too, but some message was
// written as it stood or some hours could not be made: "<GINTERTIME>"
// lines in the activity log say which and why), 2 failed (nothing
// written, the log says why). The output is written as "<output>.tmp" and
// renamed once complete.
#ifndef GRIBDATA_INTERPOLATION_H
#define GRIBDATA_INTERPOLATION_H

#include <atomic>
#include <vector>

class CLASS_GRIB_GET;
class CLASS_GRIB_PUT;

const int GRIB_INTERPOLATION_TAILLE = 128;
// The input's path; iGribDecompression replaces it by the working copy
// "tempo<name>" in the current folder.
extern char GRIB_INTERPOLATION_ENTREE[GRIB_INTERPOLATION_TAILLE];
// "lockdir/inter<name>", set by iGribDecompression.
extern char GRIB_INTERPOLATION_SORTIE[GRIB_INTERPOLATION_TAILLE];
// 1 running, 0 finished, 2 failed, 3 finished incomplete.
extern std::atomic<int> GRIB_INTERPOLATION_START;
// Interpolation step in hours, and the analysis-date mode (off): fixed.
extern const int GRIB_INTERPOLATION_PAS;
extern const int GRIB_INTERPOLATION_ANALYSE;

// The thread body; its argument is not used. Ends with START 0, 2 or 3.
void* gintertime(void*);

// Prepares the input named `nom` (copied first; the globals may be passed):
// decompresses a ".bz2" or ".gz" file or copies any other into the working
// copy, and sets both globals. 0 when ready; 1 for no name, a name of 128
// characters or more, a missing or undecompressable input (logged).
int iGribDecompression(const char* nom);
// The working copies of GRIB files ("tempo<name>.grb"): one a stopped
// interpolation left behind is removed at the next start, with its
// output's ".tmp".
bool bResteInterpolation(const char* nom);

// 0 when both decoded messages lie on the same grid, 1 otherwise.
int iGribControle(CLASS_GRIB_GET& a, CLASS_GRIB_GET& b);

// Lengthens the record's forecast range by `ajout` units, by its
// time-range indicator: 0 when done, 1 when the range would not fit its
// octets (the record is then unchanged).
int iGribSetEcheance(unsigned int ajout, CLASS_GRIB_PUT& put);

// The bits per value that re-encode a decoded message at its own
// precision: those of simple packing as they stand; for second order, the
// bits its values' range takes at its step (2^E / 10^D), no more than its
// widest group's, and no more than the encoder's 24.
unsigned int uiBitsReencodage(const CLASS_GRIB_GET& g);

// The constant field `octets` (decoded in `g`, sections only) with the
// forecast range of `e` and the value `valeur`: the same octets but for
// P1, P2, the time-range indicator and the reference value.
std::vector<unsigned char> vChampConstant(const std::vector<unsigned char>& octets,
                                          const CLASS_GRIB_GET& g, const CLASS_GRIB_PUT& e,
                                          float valeur);

// Reference date := the UTC date of `temps`, an analysis (indicator 1).
void vGribSetDate(long temps, CLASS_GRIB_PUT& put);

// out[i] = wa a[i] + wb b[i]; missing (1e-37) when either end is missing.
// With `angles`, degrees on the circle: where the ends lie more than 180
// apart one of them is moved by 360 (in place), and the result is taken
// modulo 360.
void vGribInterpolation(float* a, float* b, float* out, float wa, float wb, int n, int angles);

#endif
