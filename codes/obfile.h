// Writer of a message file: appends whole messages and counts them.
#ifndef CODES_OBFILE_H
#define CODES_OBFILE_H

#include <cstdio>

class CLASS_CODES_OBFILE {
public:
    static constexpr const char* spc_class_name = "CLASS_CODES_OBFILE";

    CLASS_CODES_OBFILE();
    // Mode 0 starts the file empty; any other mode appends.
    CLASS_CODES_OBFILE(const char* nom, int mode);
    ~CLASS_CODES_OBFILE();
    CLASS_CODES_OBFILE(const CLASS_CODES_OBFILE&) = delete;
    CLASS_CODES_OBFILE& operator=(const CLASS_CODES_OBFILE&) = delete;

    int iOpen(const char* nom, int mode);
    int iIsOpen() const { return i_ouvert; }
    int iIsFileOpen(const char* appelant);
    int iIsFileNoWrite(const char* appelant);
    // 0 when every octet was written.
    int iWrite(const unsigned char* donnees, unsigned long longueur);
    void vClose();

    char* pc_nom;
    FILE* pf;
    int i_ouvert;
    int i_ecrit;
    unsigned long ul_bloc_max;
    unsigned long ul_bloc_min;
    int i_blocs;
};

#endif
