// gribtool's commands on the codes library's reader and decoder.
#ifndef TOOLS_GRIBTOOL_CODEC_H
#define TOOLS_GRIBTOOL_CODEC_H

// "offset length" of each message found, in file order.
int iCommandeIndex(const char* nom);
// The points of message `numero` (file order, from 1); without a number,
// the largest value of every message.
int iCommandeDecode(const char* nom, const char* numero);

#endif
