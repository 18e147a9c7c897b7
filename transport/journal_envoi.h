// Where a send reports its progress line by line: the send window's
// journal, or whatever a caller wants to keep of it; and the moment the
// server took the mail, after which the mail has gone whatever follows.
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
    // The server took the mail (its 250 after the data): called once,
    // before the dialogue is closed. The closing may still fail, be given
    // up or cut by a shutdown; none of that brings the mail back.
    virtual void accepte() {}
};

#endif
