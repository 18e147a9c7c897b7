// The message catalogue of one language: the program's texts are French
// and looked up by their French wording; a text the catalogue lacks is
// shown as it stands.
#ifndef UI_LOCAL_H
#define UI_LOCAL_H

// One entry: both texts point into the catalogue's buffer.
struct TYPEDEF_LOCAL {
    char* identificateur;  // the French text (the key)
    char* association;     // its translation
    TYPEDEF_LOCAL* suivant;
};

class local {
public:
    // Null means "fr". Loads the catalogue at once.
    explicit local(const char* code);
    ~local();
    local(const local&) = delete;
    local& operator=(const local&) = delete;

    // Reads "loc/messages.<code>.mac" and rebuilds the entries. Answers 1,
    // or 0 when the file cannot be read: the entries then stay as they were
    // (the code is the new one all the same).
    int chargement();
    // Reloads for the current code; with a code (not null), for that one.
    int set();
    int set(const char* code);

    // The translation of the first entry keyed by `texte`, or `texte`
    // itself. Leaves `courant` on that entry (null when none).
    const char* get(const char* texte);
    // The key of the first entry whose translation is `traduction`, or the
    // argument itself.
    const char* id(const char* traduction);
    int nombre() const;
    void print() const;
    void menage();
    // Builds the entries from the text already held; answers the size
    // minus one.
    int analyse();

    char* texte;         // the whole catalogue, owned
    int taille;          // its size in bytes
    const char* langue;  // "fr", "en", "de" or "sp"; not owned
    TYPEDEF_LOCAL* premier;
    TYPEDEF_LOCAL* courant;
};

// The longest text of an entry, in bytes; a longer one is cut at a
// character boundary (logged).
#define TEXTE_LOCAL_MAX 4096

// Marks a catalogue key that a table holds (the catalogue test finds the
// keys of the sources through it and through the look-ups).
#define CLE_LOCAL(texte) texte

// The translation of `texte` in the program's catalogue `langage`, or
// `texte` itself while there is none.
const char* pcTraduire(const char* texte);

// The length of the longest start of `texte` of at most `maximum` bytes
// that does not end inside a UTF-8 character.
int iCoupeUtf8(const char* texte, int maximum);

// Turns every line end of the text into one line feed: CR LF and a lone CR
// alike. Answers the new length (the text is ended there).
int iNormaliserFinsDeLigne(char* texte, int taille);

#endif
