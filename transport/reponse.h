// The service's answer unpacked into the hand-over folder lockdir/: the
// service's message as lockdir/message.txt, the data file under the name
// the service gives, GMDSS bulletins one file each; accepted data files
// are noted in the message history etc/messages.txt, and a satellite
// picture replaces globe.jpg at once.
#ifndef TRANSPORT_REPONSE_H
#define TRANSPORT_REPONSE_H

// Unpacks the answer httpgrib returned (`length` octets; null: none) and
// releases it (std::free). Answers the service's status (0: refused, or
// no answer, no marker, no readable header). `ok` is 1 when the answer
// was filed as the service meant it: no marker (the answer is the
// message), a refusal, or a data file written; 0 otherwise.
//
// Lengths and names from the server are checked: a declared length that
// is negative or past the size limit makes the header unreadable; an
// answer shorter than it declares writes its message files with a note
// and no data file; a name that is not a plain file name writes no data
// file. Each case is logged and told in lockdir/message.txt.
int iAnalyseRequeteHttp(char* answer, int length, int& ok);

// Splits a text of GMDSS bulletins (each starts with "GMDSS_METAREA") in
// place, and writes each as "lockdir/<its first word>.txt"; from the 16th
// on, the rest of the text is one bulletin. Text before the first one is
// ignored; a first word that is not a plain file name is skipped (logged).
void vEclateBulletinsGmdss(char* text);

#endif
