// Small text and console helpers of the codes library.
#ifndef CODES_TEXTE_H
#define CODES_TEXTE_H

int iCodesChaineMots(const char* text);
// n with "." between groups of three digits, right-aligned to thirteen
// characters when `aligned`; the text lives until the thread's next call.
const char* cpcCodesFormat(long n, int aligned);
const char* cpcCodesFormat(unsigned long n, int aligned);
// Copies p1, then appends each further piece that is not null; the caller
// provides the room.
char* pcCodesStringCat(char* destination, const char* p1, const char* p2 = nullptr,
                       const char* p3 = nullptr, const char* p4 = nullptr,
                       const char* p5 = nullptr, const char* p6 = nullptr,
                       const char* p7 = nullptr, const char* p8 = nullptr,
                       const char* p9 = nullptr, const char* p10 = nullptr);
// One line on standard error; the two integers are unused.
void vCodesPrintLigne(int, int, const char* format, ...) __attribute__((format(printf, 3, 4)));
int iCodesJourMoisAn(int year, int month);

void vCodesPause(int n);
void vCodesModuloPause(int count, int n);
int vCodesModuloPausePas(int lines);
void vCodesClearScreen();

#endif
