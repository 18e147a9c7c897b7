// Reader of a file of GRIB (editions 0 and 1), BUFR (editions 1 to 4) and QX1
// messages: finds every message by its magic word, keeps one description
// per message in an index file beside the data ("kdx" suffix), reuses that
// index while it is fresh, sorts the descriptions, loads a message by its
// number and searches messages by parameter, range and level.
//
// Results follow the codes library: 0 success, 1 warning, -1 fatal; lengths
// and numbers answer 0 when nothing fits. Message numbers count from 1.
#ifndef CODES_IBFILE_H
#define CODES_IBFILE_H

#include "codes/grib_nivech.h"
#include "codes/message_fichier.h"
#include "codes/path.h"

#include <cstdio>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

class CLASS_CODES_IBFILE : public CLASS_CODES_PATH, public CLASS_GRIB_NIVECH {
public:
    static constexpr const char* spc_class_name = "CLASS_CODES_IBFILE";

    CLASS_CODES_IBFILE();
    // Mode 0 reads; any other mode maintains the index only (no message
    // buffer, the index file is kept, vSort rewrites it). Mode 1 with an
    // existing index takes it without opening the data file. Messages are
    // read into the reader's own buffer unless vProjeter asks otherwise.
    CLASS_CODES_IBFILE(const char* nom, int mode);
    ~CLASS_CODES_IBFILE();
    CLASS_CODES_IBFILE(const CLASS_CODES_IBFILE&) = delete;
    CLASS_CODES_IBFILE& operator=(const CLASS_CODES_IBFILE&) = delete;

    // 0 ready; 1 no index could be loaded or built; -1 no name or no data file.
    int iOpen(const char* nom, int mode);
    int iOpenIndex();
    int iAnalyse();
    int iWriteIndex();
    int iCloseIndex();
    void vClose();

    int iIsOpen() const { return i_ouvert; }
    int iIsFileOpen();
    int iIsFileIndexOpen();

    void vSort();
    // Length of message n, now in puc_message; 0 on any failure.
    unsigned long ulGet(int n);
    // With `oui`, the next messages are taken from a mapping of a regular
    // data file rather than copied out of it, while the file keeps the size
    // and modification time of its opening. A file shrunk by another process
    // after that check ends the process on the next read of the message
    // (SIGBUS): only for a process that may end so, the command-line tool.
    void vProjeter(bool oui) { b_projeter = oui; }
    // n = 0: the message at the current position.
    int iGetDescription(STRUCT_FILE_MESSAGE& d, int n);
    void vSetCurrent(int n);

    int iGetGribNumber(unsigned int parametre);
    int iGetGribNumber(unsigned int parametre, unsigned int echeance);
    int iGetGribNumber(unsigned int parametre, unsigned int echeance, unsigned int niveau);
    int iGetGribSuivant(int n);
    int intGetAssocie(int n, int parametre);
    // The same, among the messages `retenu` accepts (by number): a caller
    // that tells files of several models or grids apart.
    int iGetGribSuivant(int n, const std::function<bool(int)>& retenu);
    int intGetAssocie(int n, int parametre, const std::function<bool(int)>& retenu);
    int intGetAssocie(int n, const char* nom);
    // Name of message n from grib/param.txt, "***NULL***" when none; null
    // when that file is malformed. One static buffer shared by all readers.
    const char* cpcGetGribNom(unsigned int n);

    // Order of two descriptions: by kind, then GRIB by date, range,
    // parameter and level; others by category, sub-category, date, minute
    // and length.
    static int iCompareMessages(const STRUCT_FILE_MESSAGE& a, const STRUCT_FILE_MESSAGE& b);

    // The last message loaded by ulGet, until the next ulGet or vClose; read
    // only: it may lie in the file's mapping.
    const unsigned char* puc_message;
    int i_nombre;                // number of messages

private:
    struct LigneNom {
        int centre, version, parametre, type, niveau1, niveau2;
        float facteur, decalage;
    };
    struct BlocNoms {
        std::string nom;
        std::vector<LigneNom> lignes;
    };

    int iOuvrirDonnees();
    // The message mapped when vProjeter asked for it and the data file is
    // regular, with the size and modification time of its opening: null
    // otherwise.
    void vLibererProjection();
    const unsigned char* pucProjete(unsigned long offset, unsigned long longueur);
    // Loads the index; `neuf`: the one the scan just wrote, taken as it is.
    int iChargerIndex(bool neuf);
    int iLireIndex(std::vector<STRUCT_FILE_MESSAGE>& lus);
    bool bIndexPlausible(const std::vector<STRUCT_FILE_MESSAGE>& lus);
    void vPrendre(std::vector<STRUCT_FILE_MESSAGE>& lus);
    int iEcrireDescriptions(const std::vector<STRUCT_FILE_MESSAGE>& d);
    bool bNumeroValide(int n);
    int iLireNoms();
    const char* cpcNom(int index);
    bool bMemeNiveau(int a, int b);

    char* pc_nom;
    char* pc_index;
    FILE* pf_donnees;
    FILE* pf_index;
    int i_ouvert;
    int i_index;
    struct stat st_donnees;
    struct stat st_index;
    unsigned long ul_max;
    unsigned long ul_min;
    int i_position;
    unsigned char* puc_tampon;  // messages read from the file, when not mapped
    const unsigned char* puc_projection;  // the mapping of the last message
    size_t ul_projection;
    std::vector<STRUCT_FILE_MESSAGE> descriptions;
    std::vector<BlocNoms> noms;
    int i_noms_lus;
    int i_mode;
    int i_index_existait;
    bool b_projeter;
};

#endif
