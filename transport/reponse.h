// The service's answer unpacked into the hand-over folder lockdir/: the
// service's message as lockdir/message.txt (beside any earlier one still
// there, as message_2.txt ...), the data file under the name the service
// gives (beside a namesake, as the message), GMDSS bulletins one file
// each; data files filed whole are noted in the message history
// etc/messages.txt under the name they took, and a satellite picture
// replaces globe.jpg at once.
#ifndef TRANSPORT_REPONSE_H
#define TRANSPORT_REPONSE_H

#include <string>
#include <vector>

// How an answer ended, for the user: only ISSUE_CLASSEE brought all that
// was asked; ISSUE_SANS_DONNEES was accepted but brought nothing. Whether
// the service took the request is told apart (AnalyseReponse::acceptee):
// it took a request whose data were then not filed too.
enum IssueReponse {
    ISSUE_CLASSEE,        // whole, accepted, and all it carried filed (or a bare message)
    ISSUE_AUCUNE,         // nothing received
    ISSUE_SANS_MARQUEUR,  // not the service's answer (an error page): filed as the message
    ISSUE_ILLISIBLE,      // the service's marker, but no usable header, or data of no known type
    ISSUE_REFUSEE,        // the service refused the request: its message filed
    ISSUE_TRONQUEE,       // fewer octets than the header declares
    ISSUE_NON_CLASSEE,    // whole and accepted, but its data not filed (name refused, ...)
    ISSUE_SANS_DONNEES    // whole and accepted, a type that announces data, and none came
};

// Whether the send is told a success: all the answer carried filed, or
// no data at all (its message then filed alone).
bool bIssueReussie(IssueReponse issue);

struct AnalyseReponse {
    int cr = 0;  // the service's status; 0 without a readable header
    int ok = 0;  // as iAnalyseRequeteHttp's `ok`
    IssueReponse issue = ISSUE_AUCUNE;
    // The service took the request: a whole answer whose header reads and
    // whose status is not 0, whatever became of the data it carried. Such
    // a send is recorded.
    bool acceptee = false;
    // False when a file filed whole could not be noted in the history.
    bool historique = true;
};

// Unpacks the answer httpgrib returned (`length` octets; null: none) and
// releases it (std::free).
//
// Lengths and names from the server are checked: a declared length that
// is negative or past the size limit makes the header unreadable; an
// answer shorter than it declares writes its message files with a note
// and no data file; a name that is not a plain file name, or the
// message's own, writes no data file, nor does a type the format does
// not have (other than 1 to 5) that carries data; a GMDSS bulletin that
// cannot be filed is named in the message. A name the incoming scan would
// not file (transport/genre_recu.h) is no success: its data are kept in
// dat/; nor is a file the scan could not move out of lockdir/ (it waits
// there). Each case is logged and told in lockdir/message.txt, as is a
// data file that could not be written. A message that no data file
// carries (fewer than 8 octets of data) is filed alone. The head line of
// a message ("<name>, <n> bytes/octets") names a data file filed, under
// the name it took; one not filed is named in the note that says why.
AnalyseReponse analyseReponse(char* answer, int length);

// The same, answering the service's status only when the service took the
// request (AnalyseReponse::acceptee), else 0: a refusal, no answer, no
// marker, an unreadable header, or a cut answer. `ok` is 1 when
// what arrived was filed as it came: no marker (the answer is the
// message), a refusal, or the data written; 0 otherwise. Callers record the send when the
// result is not 0, and only log `ok`.
int iAnalyseRequeteHttp(char* answer, int length, int& ok);

// Splits a text of GMDSS bulletins (each starts with "GMDSS_METAREA") in
// place, and writes each as "lockdir/<its first word>.txt" (beside a
// namesake of an earlier answer; of one run, the later); from the 16th
// on, the rest of the text is one bulletin. Text before the first one is
// ignored; a bulletin whose file name would not be a plain one is skipped
// (logged). The first words of the bulletins not filed go to `nonClasses`.
void vEclateBulletinsGmdss(char* text, std::vector<std::string>* nonClasses = nullptr);

#endif
