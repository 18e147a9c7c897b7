#include "gribdata/globales.h"

#include "codes/texte_journal.h"

#include <cstdarg>
#include <mutex>
#include <string>

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
    va_list args, copie;
    va_start(args, format);
    va_copy(copie, args);
    const int n = std::vsnprintf(nullptr, 0, format, copie);
    va_end(copie);
    std::string ligne(n > 0 ? size_t(n) : 0, '\0');
    if (n > 0)
        std::vsnprintf(&ligne[0], ligne.size() + 1, format, args);
    va_end(args);
    ligne = sLigneJournal(ligne);
    std::fprintf(journal, "%s ", tag ? tag : "");
    std::fwrite(ligne.data(), 1, ligne.size(), journal);
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
