// The program keeps a few texts (service address, mail address, titles) in
// a stored form: hex-digit pairs, each byte shifted by a short cyclic key.
// It only keeps them out of a plain `strings` listing; it is no protection.
#ifndef GRIBDATA_DECODE_H
#define GRIBDATA_DECODE_H

// The text of a stored form, in a new[] buffer of strlen(stored) + 1 bytes,
// zero-terminated. A null or empty input gives an empty text, a lone last
// digit is ignored, and the text stops at the first pair that is not two hex
// digits.
char* decode(const char* stored);

// The stored form of a text, in a new[] buffer (upper-case hex digits).
char* encode(const char* text);

#endif
