// Where a send reports its progress line by line: the send window's
// journal, or whatever a caller wants to keep of it.
#ifndef TRANSPORT_JOURNAL_ENVOI_H
#define TRANSPORT_JOURNAL_ENVOI_H

class JournalEnvoi {
public:
    virtual ~JournalEnvoi() = default;
    // Appends the text as it stands (its line feeds included).
    virtual void ajouter(const char* texte) = 0;
    // Shows what was appended so far: called after each reply, while the
    // sender waits for the next one.
    virtual void afficher() {}
};

#endif
