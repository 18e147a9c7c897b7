// The 32 transfer slots: the GUI thread claims a slot and shows its
// progress popup, one transfer thread binds it and writes its progress,
// and the popup's poll reads it every 0.1 s.
//
// A claim gives the slot a new generation; a thread binds the slot it was
// given, of that generation, by one compare-and-swap, so two threads never
// share a slot and a thread that comes after its popup gave up binds
// nothing. The progress fields are atomic; the thread stores its final
// phase last and writes nothing after it, and the poll frees the slot only
// once it has seen that phase.
#ifndef TRANSPORT_CANAUX_H
#define TRANSPORT_CANAUX_H

#include <atomic>

#define HTTP_CANAUX 32

class PopupWindow;
class classeBouton;

// The phases of a transfer.
enum {
    PHASE_RIEN = 0,
    PHASE_ENVOYEE = 1,      // connected, request sent
    PHASE_RECEPTION = 10,
    PHASE_RECUE = 20,       // the whole answer arrived
    PHASE_ECHEC = -1,       // connected, but the server closed or failed without a word
    PHASE_CONNEXION = -2,   // no socket or no connection
    PHASE_INCOMPLETE = -3,  // fewer octets than the answer declared, or it never ended
    PHASE_REFUSEE = -4,     // the whole answer arrived, the service refused the request
    PHASE_ILLISIBLE = -5,   // not the service's answer, or its header unusable
    PHASE_NON_CLASSEE = -6, // whole and accepted, but what it carried was not all filed
    PHASE_NON_ENREGISTREE = -7, // all filed, but the send's records not all written
    PHASE_INTROUVABLE = -8, // the host's name did not resolve (the slot's `hote`)
    PHASE_DELAI = -9,       // connected, request sent, not one octet within the time limit
    PHASE_TROP_GRANDE = -10, // the answer went past the size limit
    PHASE_SANS_DONNEES = -11, // accepted, but only the service's message came
    PHASE_AFFICHEE = 90     // the popup shows how it ended
};

struct TYPEDEF_HTTP {
    std::atomic<int> etat{0};  // 0 free, 1 claimed
    int* handle = nullptr;     // holds the slot's index: the poll's argument
    int decalage = 0;          // 20 x index: the popup's offset
    // The generation of the claim (high bits) and the binding (LIEN_*).
    std::atomic<unsigned> lien{0};
    int attente = 0;           // polls spent waiting for a thread
    std::atomic<int> phase{PHASE_RIEN};
    std::atomic<int> pourcent{0};
    // Octets expected (the text before the marker + 92 + message + data);
    // 0 while the answer's header has not told its size.
    std::atomic<int> attendu{0};
    std::atomic<int> recus{0};  // octets received so far
    int connexionAffichee = 0;
    std::atomic<double> debit{0};  // kilobytes (1000 octets) per second
    std::atomic<double> duree{0};  // seconds
    PopupWindow* popup = nullptr;  // made on first use and kept
    char ligne[64] = "";           // the last progress line, for the log
    // The host the thread could not find, written before PHASE_INTROUVABLE.
    char hote[256] = "";
    int fin = 0;                   // polls since the final text
    classeBouton* bouton = nullptr;  // inactive while the transfer runs
};
extern TYPEDEF_HTTP structHTTP[HTTP_CANAUX];

enum { LIEN_ATTENTE = 0, LIEN_LIE = 1, LIEN_ABANDON = 2 };

// A claimed slot as a transfer thread receives it.
struct LienCanal {
    int index = -1;
    unsigned generation = 0;
    // The caller files the answer and stores the final phase from how that
    // went (vFinirCanal); httpgrib then stores only the phases of a
    // transfer that returns nothing.
    bool finParAppelant = false;
};

// Start-up: every slot free, with its handle and no popup; transfers
// allowed.
void vInitialiserCanaux();

// GUI thread: the first free slot, claimed for a new transfer with its
// progress fields reset; -1 when all are claimed.
int iReserverCanal();
LienCanal lienCanal(int index);

// Transfer thread: binds the slot of the claim; false when it was bound
// already, given up or claimed again since.
bool bLierCanal(LienCanal lien);
// Transfer thread without a claim of its own: binds the first slot that
// waits; -1 when none does.
int iLierCanalLibre();
bool bCanalLie(int index);
// Transfer thread that keeps the final phase: stores it, its last write.
void vFinirCanal(LienCanal lien, int phase);

// GUI thread: a slot whose thread never came is given up; false when the
// thread bound it meanwhile.
bool bAbandonnerCanal(int index);
void vLibererCanal(int index);

#endif
