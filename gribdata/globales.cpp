#include "gribdata/globales.h"

#include <cstdarg>
#include <mutex>

int decalage = 0;

namespace {

// The log and whether it is closed; changed and written under the lock,
// so a thread never writes to a file being closed.
std::mutex verrou;
FILE* journal = stdout;
bool ferme = false;

}  // namespace

void vJournal(const char* tag, const char* format, ...)
{
    std::lock_guard<std::mutex> garde(verrou);
    if (ferme)
        return;
    std::fprintf(journal, "%s ", tag ? tag : "");
    va_list args;
    va_start(args, format);
    std::vfprintf(journal, format, args);
    va_end(args);
    std::fflush(journal);
}

FILE* pfRemplacerJournal(FILE* f)
{
    std::lock_guard<std::mutex> garde(verrou);
    FILE* ancien = journal;
    journal = f ? f : stdout;
    ferme = false;
    return ancien;
}

void vFermerJournal()
{
    std::lock_guard<std::mutex> garde(verrou);
    if (journal != stdout && journal != stderr)
        std::fclose(journal);
    journal = stdout;
    ferme = true;
}
