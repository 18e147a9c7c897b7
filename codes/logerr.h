// The codes library's diagnostic log.
//
// Every function of the library pushes its context (class and method, or its
// own name) through a scope guard; a record prints the chain of contexts, a
// level tag and a message. Records go to the file named by ZELfLogerr, or to
// standard error. The context stack is per thread, so the GUI thread and the
// interpolation worker keep their own chains; writing a record is serialised
// across threads.
#ifndef CODES_LOGERR_H
#define CODES_LOGERR_H

#include <atomic>
#include <cstdarg>
#include <cstdio>

#define LOGERR_NIVEAUX 256

class CLASS_CODES_LOGERR {
public:
    // A free function pushes its own name; a method its class and method.
    explicit CLASS_CODES_LOGERR(const char* nom);
    CLASS_CODES_LOGERR(const char* classe, const char* methode);
    ~CLASS_CODES_LOGERR();
    CLASS_CODES_LOGERR(const CLASS_CODES_LOGERR&) = delete;
    CLASS_CODES_LOGERR& operator=(const CLASS_CODES_LOGERR&) = delete;

    // Write a record when the filter lets the level through. Answer the
    // level, or -1 when a fatal record was written.
    static int iErr(int level, const char* message);
    static int iErr(int level, const char* message, const char* format, ...)
        __attribute__((format(printf, 3, 4)));
    // The same for functions whose result is a pointer: always null.
    static void* pvErr(int level, const char* message);
    static void* pvErr(int level, const char* message, const char* format, ...)
        __attribute__((format(printf, 3, 4)));

    static int iTestErreur(int level);
    static void vInit();
    static void vPrintIlog(int kind);
    static void vPrint();

    // The calling thread's stack: entry 0 is its root context.
    static thread_local const char* pc2[LOGERR_NIVEAUX];
    static thread_local int i_log;

    static std::atomic<int> i_flag;   // 0 all, 1 warnings and fatal, -1 fatal only
    static std::atomic<char> c_exit;  // 'T': a fatal record ends the process
    static const char* pc;            // ZELfLogerr, null when unset

private:
    void vPush(const char* nom);
    static int iRecord(int level, const char* message, const char* format, va_list* args);
    // The three steps of a record, called with the record lock held.
    static void vPrintLog(int level);
    static void vPrintBegin(int& level, const char* message);
    static void vPrintEnd(int level);
    static FILE* pF;
    static char ca[1024];
    int i_count;
};

// Installed as the allocation-failure handler: logs and ends with status 1.
void vCodesNEWintercept();

// Switch n (1..5) of ZELxCodes: log level, statistics, debug, abort, keep index.
char cGetenvXCodes(int n);
// Value of an environment variable, or null after a warning.
char* pcCodesGetenv(const char* name);
// Path of a table file below ZELpGbTables (new[] buffer), or null.
char* pcCodesGbTables(const char* sub, const char* dir, const char* name, const char* ext);

#endif
