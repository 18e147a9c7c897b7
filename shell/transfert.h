// The pieces of the hand-over of a file given on the command line.
#ifndef SHELL_TRANSFERT_H
#define SHELL_TRANSFERT_H

// The name the file takes in lockdir/: the base name of the argument,
// started just after the dot of its first ".20" when it has one. Points
// into the argument.
char* pcNomTransfert(char* argument);

// Cuts a line feed or carriage return from the end of the argument, then,
// independently, one more from the character before it.
void vCouperFinsDeLigne(char* argument);

// A name that stays a plain file inside lockdir/ and that the incoming
// scan takes: not empty, at most NAME_MAX bytes, no "/", not beginning
// with "." nor ending with ".tmp".
bool bNomTransfertAcceptable(const char* nom);

// Writes "lockdir/<name>.tmp" and "lockdir/<name>" into the two hand-over
// buffers; a name too long to take ".tmp" is staged as a hidden
// "lockdir/.transfert<pid>.tmp", which the scan skips as well. Answers 0,
// or -1 when either does not fit.
int iCheminsTransfert(const char* nom);

// Notes the folder the program was launched from, before the working
// folder is entered: a relative file argument is named from there; an
// empty text means it is unknown (a relative argument then fails). Until
// it is noted (or after null), the current folder stands for it.
void vNoterDossierLancement(const char* dossier);

// Writes to the log why the hand-over refused its argument, if it did:
// the refusal was said on standard error before the log was open.
void vJournalTransfert();

#endif
