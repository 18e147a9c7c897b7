// One request under construction: a GRIB request (type 0, possibly a
// predefined package) or a bulletin request (type 1: bulletins and
// images). The request page writes each choice into it; every change that
// the text shows renders the request text again into the page's text
// buffer, which refreshes the volume and cost.
//
// The request is held as ready-made lines, one per keyword letter; a line
// that holds only its letter means "not chosen". Lines are plain strings:
// what callers and saved-request files put in them is checked first (mesh
// text, zone, course, compression, land line), and what fails is ignored
// with a "<requete>" log line.
#ifndef TRANSPORT_REQUETE_H
#define TRANSPORT_REQUETE_H

#include "transport/envoi.h"
#include "transport/liste_codes.h"

#include <cstdio>
#include <string>

class Fl_Button;
class Fl_Text_Buffer;
class Masque;
class classeBoutonImage;
class Recapitulatif;

// A saved request's file read whole, once, into `octets`: false (logged)
// when it cannot be read, is no plain file or holds more than
// TAILLE_REQUETE_MAX octets (refused without reading it).
bool bLireRequeteSauvee(const char* chemin, std::string& octets);

class requete {
public:
    // `buffer` receives the rendered text (not owned); type 0 GRIB, 1
    // bulletin.
    requete(Fl_Text_Buffer* buffer, int type);
    requete(const requete&) = delete;
    requete& operator=(const requete&) = delete;

    // Back to an empty request (the text buffer emptied, not rendered; the
    // recapitulation shows the volume "0" and the cost "0.0").
    void vInitialisation();

    // ---- Zone (GRIB).
    int iSetZone(double north, double south, double west, double east);
    // Four numbers after the first word: north, south, west, east.
    void vSetZone(const char* line);
    // Snaps the bounds to the model's grid, writes them back and renders;
    // false (logged, nothing changed) when the snapped zone would leave
    // the globe.
    bool vZone(double& north, double& south, double& west, double& east);
    // 'n', 's', 'w', 'e'; 0 for any other letter.
    double dGetZone(char side) const;

    // ---- Mesh and domain (GRIB).
    void vSetMaille(double mesh);  // the mesh only: no line, no rendering
    // Each text setter answers false (logged, nothing changed) for a text
    // it refuses.
    bool vSetMaille(const char* text);
    void vSetDomaine(int id);
    bool vSetDomaine(const char* name);

    // ---- Parameters (GRIB), by row of ST_PARAMETRES or by label.
    void vSetParametre(int row);
    void vSetParametre(const char* label);
    void vUnsetParametre(int row);
    void vUnsetParametre(const char* label);
    void vUnsetParametres();  // renders
    void vFreeParametre();    // does not render
    // The short key of the row labelled `label` (case ignored), or null.
    const char* vTraduireParametre(const char* label);

    // ---- Forecast times and validities (GRIB); none of them renders.
    void vSetEcheances(const char* const* list);  // null-terminated
    void vSetEcheances(classeBoutonImage** buttons);
    void vSetValidites(classeBoutonImage** buttons);
    void vUnsetEcheances();
    void vUnsetValidites();

    // ---- Single lines; each renders.
    void vSetTerreMer(const char* value);
    void vUnsetTerreMer();
    int iGetTerreMer() const;
    void vSetCompression(const char* name);
    void vUnsetCompression();
    int iGetCompression() const;
    void vSetCapVitesse(int course, double speed);
    void vUnsetCapVitesse();
    int intGetCap();
    double doubleGetVitesse() const;
    void vSetAutomatisation(const char* text);  // both types
    void vSetAutomatisation(int days);
    void vSetAbonnement(int code);
    void vSetSysteme();

    // ---- Bulletin codes (bulletin type). A code is held in 47
    // characters; with the 128 slots taken a code is dropped (logged and
    // counted in objetsPerdus) while the volume still grows.
    // The codes a product button stands for, by its number; renders.
    void vSetObjet(Fl_Button* button);
    // One code, cut at 47 characters; a null or empty code adds nothing.
    void vSetObjet(const char* code);
    // Every code gone, the volume and the dropped count back to 0; does
    // not render.
    void vFreeObjets();
    // The volume of the codes held, each counted as its button counts it
    // (a Metarea once for all its bulletins); does not render.
    void vCompterObjets();

    // ---- Text, volume and cost.
    // 1 empties the buffer, 2 puts the system request, else renders.
    void vEcrire(int mode);
    // The request text as rendering makes it.
    std::string texteRequete() const;
    void vCout();
    // The last count found the request neither empty nor over the largest
    // answer (a package always fits; a GRIB request without a model never
    // does): what the recapitulation shows as a cost, not "Interdit".
    bool bDansLimites() const { return dansLimites; }
    // Bytes of the GRIB file a zone of `points` grid points gives, and
    // its price. Counted in 64 bits: a whole-world request overflows int.
    void vTerre(long long points, long long& size, double& cost);

    // ---- Saved requests and the send log.
    // What a send of the page's own text records, taken now (GUI thread).
    EnvoiRequete instantane() const;
    // The page as it stands, its text, figures and saved request, before
    // they are made to agree with a text that went (GUI thread).
    EnvoiRequete instantanePage() const;
    // The send log block and the saved request, both for now.
    int vEnregistre();
    int vEnregistre_Requete();
    // A saved request read only when its folder is of this request's
    // kind ("grib" or "bull"), then as vLireFichier does.
    void vLire_Requete(const char* path);
    // The file read (bLireRequeteSauvee) as a saved request of this
    // request's kind, wherever it lies.
    void vLireFichier(const char* path);
    // The octets of a saved request read into this request; at most
    // `journalMax` refusals are logged, the others counted in one line
    // (0: none logged, for octets read once already).
    static constexpr int JOURNAL_LECTURE_MAX = 20;
    void vLireOctets(const std::string& octets, int journalMax = JOURNAL_LECTURE_MAX);
    // The line of `octets` at `position` into `ligne`, its line end
    // removed, and `position` past it; 0 at the end. A line over 511
    // characters is skipped whole (logged, counted in lignesRefusees).
    int readligne(const std::string& octets, size_t& position);

    // The recapitulation the volume and cost go to; null: none yet.
    Recapitulatif* recapitulatif = nullptr;

    // ---- Fields, in the order of the request model.
    int modeValidites = 1;  // 1: validities (line "G"), 0: times ("E")
    Fl_Text_Buffer* tampon;
    std::string ligneAutomatisation;
    std::string ligneForfait;     // "F" or "F %d"
    std::string ligneZone;        // "Z" or "Z %.3f %.3f %.3f %.3f"
    std::string ligneMaille;      // "M" or "M <mesh text>"
    std::string ligneCapVitesse;  // "V" or "V %d %.1lf"
    std::string ligneDomaine;     // "D", "D <name>" or "D %d"
    std::string cleParametre;     // the key vTraduireParametre found last
    ListeCodes parametres, echeances, validites;
    std::string ligneCompression;  // "C bzip2", "C gzip" or "C"
    std::string ligneTerre;        // "F 1" (no land data) or "F 0"
    ListeCodes objets;
    std::string ligneS;
    double maille = 1.0;
    int modele = 0;  // 0: none chosen
    int cap = 0;
    double vitesse = 0;
    double nord = 1, sud = -1, ouest = -1, est = 1;
    double centreLatitude = 0, centreLongitude = 0, etendueLongitude = 0, etendueLatitude = 0;
    std::string texteCout;    // "%.2lf" of the cost, or "0"
    std::string texteVolume;  // "%.3lf" of the volume in Ko
    std::string ligne;        // the line readligne read last
    const int type;
    int forfaitActif = 0;  // a predefined package
    int volumeBulletins = 0;  // Ko
    int objetsPerdus = 0;     // codes dropped for want of a slot since vFreeObjets
    // What the last saved request read dropped that the user must hear
    // of: every line refused (over 511 characters, an automation line, a
    // value refused or unknown, a bulletin line that is no code) and every
    // list word refused or past the 128 slots.
    int lignesRefusees = 0;
    // The last saved GRIB request read gave its own zone: a zone line
    // taken whole and snapped to the file's mesh. Without one the request
    // holds whatever zone it had.
    bool bZoneLue() const { return zoneLue; }
    int chiffreForfait = 0;
    // What the recapitulation shows, for the send log.
    std::string volumeAffiche, coutAffiche;

private:
    void vDeriverZone();
    bool bAccrocher(double m, double& north, double& south, double& west,
                    double& east) const;
    void vPoserLigne(std::string& ligne, char lettre, const char* valeur,
                     bool (*valide)(const std::string&), const char* refus);
    bool bAjouterTemps(ListeCodes& liste, const char* texte, const char* quoi);
    // One object code in the first empty slot; false (logged, counted)
    // when none is left.
    bool bAjouterObjet(const char* code);
    void vAfficher(const std::string& volume, const std::string& cout, bool limites);
    long long llPointsEau(Masque& masque, long long points, double n, double s, double w,
                          double e);
    long long llEau(Masque& masque, long long points, int avance, int capZone,
                    double vitesseZone);
    std::string corpsGrib() const;
    std::string corpsBulletin() const;
    void vLireGrib(const std::string& octets, size_t& position);
    void vLireBulletin(const std::string& octets, size_t& position);
    void vLireLigneGrib();
    void vLireZone();
    void vLireLigneChoix();
    void vMots(ListeCodes& liste, const std::string& ligne, size_t debut,
               bool (*accepte)(const std::string& mot, int modele));
    // A refused value logged with the request's tag; while a saved
    // request is read, only as many as its budget allows.
    void vJournalRefus(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // The zone a saved request gave, applied again once its mesh is read.
    bool zoneLue = false;
    // A saved request is being read: the text and the cost wait for its
    // end.
    bool lecture = false;
    bool dansLimites = false;
    // Refusals the read in progress may still log, and those it did not.
    int journalRestant_ = 0;
    int journalTu_ = 0;
    double zoneFichier[4] = {};
};

#endif
