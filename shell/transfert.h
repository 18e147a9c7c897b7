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

// A name that stays a plain file inside lockdir/: not empty, no "/", not
// "." nor "..".
bool bNomTransfertAcceptable(const char* nom);

// Writes "lockdir/<name>.tmp" and "lockdir/<name>" into the two hand-over
// buffers. Answers 0, or -1 when either does not fit.
int iCheminsTransfert(const char* nom);

#endif
