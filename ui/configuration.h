// The program's settings: the object read from etc/config.txt at start-up,
// updated in memory during the run and written back whole at exit (and by
// the send window whenever it changes the mail profiles).
#ifndef UI_CONFIGURATION_H
#define UI_CONFIGURATION_H

#include <cstdio>

#define CONFIGURATION_VUES 10

// The smallest main window.
const int FENETRE_LARGEUR_MIN = 770;
const int FENETRE_HAUTEUR_MIN = 539;

// The saved map view of one page.
typedef struct {
    int fond;          // base-map kind of the map
    double latitude;   // centre, degrees
    double longitude;  // centre, degrees
    double etendue;    // latitude span, degrees
} TYPEDEF_VUE;

typedef struct {
    char langage[8];  // "fr", "en", "de" or "sp"
    TYPEDEF_VUE vues[CONFIGURATION_VUES];  // index = page index
    int x, y, w, h;   // main window geometry
    int onglets[2];   // request page's last product tab, packages flag
} TYPEDEF_PREFERENCES;

// One mail profile, in a singly linked list. The password is kept and
// written in plain: the file format is shared with existing settings files.
typedef struct TYPEDEF_PROFIL {
    char nom[64];
    char email[128];
    char serveur[64];
    char password[64];  // "NULL" when the line had none
    int port;
    int selection;      // 1 for the profile last chosen in the send window
    struct TYPEDEF_PROFIL* suivant;
} TYPEDEF_PROFIL;

class classeConfiguration {
public:
    // The defaults; nothing is read yet.
    classeConfiguration();
    ~classeConfiguration();
    classeConfiguration(const classeConfiguration&) = delete;
    classeConfiguration& operator=(const classeConfiguration&) = delete;

    // Reads the settings file over the current values. Never fails: what
    // cannot be read keeps its value; a missing file leaves the defaults.
    // A byte-order mark is skipped; a damaged line is logged and skipped;
    // a file that is not a regular one (a FIFO, a device) is not read. When
    // the file could not be read whole and clean it is kept under the first
    // free name of "<file>.bak", "<file>.bak1", ... before the first write
    // replaces it: the copies of earlier damaged files stay.
    void lecture(const char* chemin = "etc/config.txt");

    // Writes the whole file through a temporary file renamed over it once
    // every write, the sync and the close succeeded, so a failed write (a
    // full disk) leaves the previous file intact; a link to a file keeps
    // pointing at it (the target is what is replaced). Answers 0, or -1
    // after logging the reason.
    int ecriture(const char* chemin = "etc/config.txt");

    // Brings the views, window, tab and help numbers into their ranges: a
    // value out of range, or not a number, takes its default, logged.
    // Answers how many did.
    int iControler();

    // Appends a profile at the end of the list (the object owns it).
    void vAjouterProfil(TYPEDEF_PROFIL* profil);
    void vLibererProfils();
    int iNombreProfils() const;

    char ligne[512];
    FILE* fichier;
    TYPEDEF_PROFIL* profils;
    TYPEDEF_PREFERENCES* preferences;

private:
    bool bLigneMain();
    bool bLigneSmtp();
    bool bSection(int& section, int numero);
    void vAbimee(int numero, const char* raison);
    int iEcrireLignes(FILE* f);
    int iGarderCopie(const char* chemin);

    bool garder_ = false;  // the file read is kept before the first write
    int abimees_ = 0;      // damaged lines met by the reading
};

// The settings of the run, made by start-up.
extern classeConfiguration* configuration;

// Read and written with the settings, kept outside the object.
extern int AFFICHE_AIDE;   // help panes shown, or the last help topic
extern int GRIB_DEPLIER;   // GRIB request sections open by default
extern int MODE_CONNECTE;  // direct HTTP and SMTP sending
extern int MODE_GRIB_HTTP; // 1: in connected mode GRIB requests go by HTTP
extern int MODE_BULL_HTTP; // 1: in connected mode bulletin requests go by HTTP

// The language code if it is one the program has, else "fr".
const char* pcLangageValide(const char* code);

// Brings the saved window inside the screen area X, Y, W, H, no smaller
// than its minimum size (logged when it moves or shrinks).
void vContenirFenetre(TYPEDEF_PREFERENCES& p, int X, int Y, int W, int H);
// The same for the work area of the screen that holds the saved position.
void vFenetreDansEcran(TYPEDEF_PREFERENCES& p);

#endif
