// An opened GRIB edition 1 file: its content in memory (a plain file mapped
// read-only, a .bz2 or .gz decompressed), and the list of its messages sorted by validity and
// parameter. Values are decoded later, record by record (see champ_grib.h).
#ifndef GRIBDATA_FICHIER_GRIB_H
#define GRIBDATA_FICHIER_GRIB_H

#include "gribdata/enregistrement_grib.h"

// Files of this size or larger are not forecasts from the service: never
// opened.
constexpr long long TAILLE_GRIB_MAX = 2048000000LL;

class File {
public:
    int count = 0;                         // records in the list
    char* name = nullptr;                  // owned copy; null for a buffer
    const unsigned char* buffer = nullptr; // the whole content
    unsigned int length = 0;
    int nonProprietaire = 0;               // 1 when the buffer is the caller's
    grib* list = nullptr;
    // The buffer ends inside a message, which is not listed: the start of
    // a message longer than what is left follows the last message listed.
    bool tronque = false;

    explicit File(const char* name = nullptr);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens a file; a null name leaves the object empty.
    void set(const char* name);
    // Lists the messages of a buffer that stays the caller's.
    void set(const unsigned char* buffer, unsigned int length);
    void initialisation(const char* name);
    void menage();
    void menageliste();
    void analyse();
    void tri();
    void print() const;

    // qsort-style order of two records: validity, then parameter.
    static int compare(const void* a, const void* b);
    static void validite(grib* record);
    static int iGetEcheance(const grib* record);
    static int iGetNiveau(const grib* record);
    static void printElement(const grib* record);

private:
    void charger();
    // The scan of the buffer for messages, under the guard of analyse().
    void parcourir();
    // Octets of the file mapped into memory, 0 when the buffer was read.
    size_t projection_ = 0;
    void chainerPluies();
};

// 1 when the list holds a parameter that the forecast charts can show (any
// of them with `parametre` 0, else that one).
int iGribTestHisto(const grib* list, unsigned int parametre);
// The forecast charts can show that parameter: 2, 11, 33, 49, 61, 80, 100,
// 102, 105, 202, 203.
bool bParametreHisto(unsigned int parametre);

// Degrees, minutes and seconds to decimal degrees; a negative position is
// written with negative degrees only.
double CENTIEMES(int degres, int minutes, int secondes);

#endif
