// A file path split into directory, name, and the name's prefix and suffix;
// any part can be replaced and the path composed again ('/' separates
// directories, '.' the suffix). The message-file reader names its index this
// way: same directory and prefix, suffix "kdx".
#ifndef CODES_PATH_H
#define CODES_PATH_H

class CLASS_CODES_PATH {
public:
    static constexpr const char* spc_class_name = "CLASS_CODES_PATH";

    CLASS_CODES_PATH();
    explicit CLASS_CODES_PATH(const char* chemin);
    ~CLASS_CODES_PATH();
    CLASS_CODES_PATH(const CLASS_CODES_PATH&) = delete;
    CLASS_CODES_PATH& operator=(const CLASS_CODES_PATH&) = delete;

    // Every part absent (released first).
    void vInit();
    // Every setter ignores a null argument.
    void vSetFichier(const char* chemin);
    void vSetRepertoire(const char* repertoire);
    // The new name is not split: prefix and suffix become absent.
    void vSetNom(const char* nom);
    void vSetPrefixe(const char* prefixe);
    void vSetSuffixe(const char* suffixe);
    // Directory, '/' when it does not end with one, then the name. Owned by
    // the object and replaced by the next call.
    const char* cpcGetFichier();

    const char* cpcGetRepertoire() const { return pc_repertoire; }
    const char* cpcGetNom() const { return pc_nom; }
    const char* cpcGetPrefixe() const { return pc_prefixe; }
    const char* cpcGetSuffixe() const { return pc_suffixe; }

    // new[] of `taille` octets, labelled on the log context.
    char* pcNew(const char* label, int taille);

private:
    // A new[] copy of `longueur` octets of `texte`, terminated.
    char* pcCopie(const char* label, const char* texte, int longueur);
    char* pcCopie(const char* label, const char* texte);
    // A new[] text of a, the separator and b.
    char* pcJoint(const char* label, const char* a, const char* b);
    // Releases a part and puts the new text (or null) in its place.
    static void vRemplace(char*& partie, char* nouvelle);
    static void vLibere(char*& texte);

    char* pc_repertoire;
    char* pc_nom;
    char* pc_prefixe;
    char* pc_suffixe;
    char* pc_fichier;
    char c_separateur[2];
};

#endif
