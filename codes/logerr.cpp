#include "codes/logerr.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <new>

thread_local const char* CLASS_CODES_LOGERR::pc2[LOGERR_NIVEAUX];
thread_local int CLASS_CODES_LOGERR::i_log = 0;
std::atomic<int> CLASS_CODES_LOGERR::i_flag{-1};
std::atomic<char> CLASS_CODES_LOGERR::c_exit{'F'};
const char* CLASS_CODES_LOGERR::pc = nullptr;
FILE* CLASS_CODES_LOGERR::pF = nullptr;
char CLASS_CODES_LOGERR::ca[1024];

namespace {
// Serialises records, and the process-wide settings vInit writes, between
// the GUI thread and the interpolation worker.
std::mutex verrou;
std::atomic<bool> anomalieSignalee{false};

// Appends to the record buffer without ever running past it.
void vAjoute(char* buffer, size_t taille, const char* format, va_list* args)
{
    size_t n = strlen(buffer);
    if (n + 1 >= taille)
        return;
    vsnprintf(buffer + n, taille - n, format, *args);
}

void vAjoute(char* buffer, size_t taille, const char* texte)
{
    size_t n = strlen(buffer);
    if (n + 1 >= taille)
        return;
    snprintf(buffer + n, taille - n, "%s", texte);
}
}

CLASS_CODES_LOGERR::CLASS_CODES_LOGERR(const char* nom) : i_count(1)
{
    vPush(nom);
}

CLASS_CODES_LOGERR::CLASS_CODES_LOGERR(const char* classe, const char* methode) : i_count(2)
{
    vPush(classe);
    vPush(methode);
}

void CLASS_CODES_LOGERR::vPush(const char* nom)
{
    if (i_log >= LOGERR_NIVEAUX) {
        vPrintIlog(1);
        i_count--;
        return;
    }
    if (i_log == 0)
        vInit();
    pc2[i_log++] = nom;
}

CLASS_CODES_LOGERR::~CLASS_CODES_LOGERR()
{
    i_log -= i_count;
    if (i_log < 0)
        vPrintIlog(2);
}

void CLASS_CODES_LOGERR::vInit()
{
    std::set_new_handler(vCodesNEWintercept);
    char niveau = cGetenvXCodes(1);
    char sortie = cGetenvXCodes(4);
    {
        std::lock_guard<std::mutex> garde(verrou);
        i_flag = niveau == 'I' ? 0 : niveau == 'W' ? 1 : -1;
        c_exit = sortie;
        pc = getenv("ZELfLogerr");
    }
    for (auto& nom : pc2)
        nom = nullptr;
}

void CLASS_CODES_LOGERR::vPrintIlog(int kind)
{
    if (!anomalieSignalee.exchange(true)) {
        if (kind == 1)
            fprintf(stderr, "[CATASTROPHIQUE]logerr plus de %d niveaux\n", LOGERR_NIVEAUX);
        else
            fprintf(stderr, "[CATASTROPHIQUE]logerr i_log est < 0\n");
    }
    if (kind == 2)
        i_log = 0;
}

void CLASS_CODES_LOGERR::vPrint()
{
    fprintf(stderr, "(%d)", i_log);
    for (int i = 0; i < i_log; i++)
        fprintf(stderr, ":%s", pc2[i] ? pc2[i] : "");
    fprintf(stderr, "\n");
}

int CLASS_CODES_LOGERR::iTestErreur(int level)
{
    int filtre = i_flag.load(std::memory_order_relaxed);
    if (level >= 0 && filtre == -1)
        return 0;
    if (level == 0 && filtre == 1)
        return 0;
    return 1;
}

void CLASS_CODES_LOGERR::vPrintLog(int level)
{
    pF = nullptr;
    if (level != -9999 && pc)
        pF = fopen(pc, "at+");
    FILE* f = pF ? pF : stderr;

    time_t maintenant = time(nullptr);
    struct tm t;
    localtime_r(&maintenant, &t);
    snprintf(ca, sizeof ca, "%4.4d%2.2d%2.2d %2.2d:%2.2d:%2.2d", t.tm_year + 1900,
             t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    fprintf(f, "===>%s (%s)\n", i_log >= 1 && pc2[0] ? pc2[0] : "", ca);
    if (i_log >= 2) {
        for (int i = 1; i < i_log; i++)
            fprintf(f, ":%s", pc2[i] ? pc2[i] : "");
        fprintf(f, "\n");
    }
}

void CLASS_CODES_LOGERR::vPrintBegin(int& level, const char* message)
{
    const char* tag = "[FATAL]";
    if (level == 0)
        tag = "[INFORMATIF]";
    else if (level == 1)
        tag = "[WARNING]";
    else
        level = -1;
    snprintf(ca, sizeof ca, "%s", tag);
    if (message)
        vAjoute(ca, sizeof ca, message);
}

void CLASS_CODES_LOGERR::vPrintEnd(int level)
{
    FILE* f = pF ? pF : stderr;
    fprintf(f, "%s\n", ca);
    if (pF) {
        fclose(pF);
        pF = nullptr;
    } else {
        fflush(stderr);
    }
    (void)level;
}

int CLASS_CODES_LOGERR::iRecord(int level, const char* message, const char* format,
                                va_list* args)
{
    if (!iTestErreur(level))
        return level;
    {
        std::lock_guard<std::mutex> garde(verrou);
        vPrintLog(level);
        vPrintBegin(level, message);
        if (format) {
            vAjoute(ca, sizeof ca, ":");
            vAjoute(ca, sizeof ca, format, args);
        }
        vPrintEnd(level);
    }
    if (level == -1 && c_exit == 'T')
        exit(1);
    return level;
}

int CLASS_CODES_LOGERR::iErr(int level, const char* message)
{
    return iRecord(level, message, nullptr, nullptr);
}

int CLASS_CODES_LOGERR::iErr(int level, const char* message, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int r = iRecord(level, message, format, &args);
    va_end(args);
    return r;
}

void* CLASS_CODES_LOGERR::pvErr(int level, const char* message)
{
    iRecord(level, message, nullptr, nullptr);
    return nullptr;
}

void* CLASS_CODES_LOGERR::pvErr(int level, const char* message, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    iRecord(level, message, format, &args);
    va_end(args);
    return nullptr;
}

void vCodesNEWintercept()
{
    CLASS_CODES_LOGERR contexte("erreur allocation memoire");
    CLASS_CODES_LOGERR::iErr(-9999, nullptr);
    exit(1);
}
