// Messages taken from a mapping of the data file rather than copied out of
// it, one message mapped at a time (as one was kept in the buffer), for the
// readers that ask for it. A file that shrinks under its mapping faults on
// the next read (SIGBUS): a message is mapped only while the file still has
// the size and modification time it was opened with; otherwise it is read
// from the file as it now stands. Nothing guards the reads after that
// check: a reader in a process that must survive such a file never maps.
#include "codes/ibfile.h"

#include <sys/mman.h>
#include <unistd.h>

void CLASS_CODES_IBFILE::vLibererProjection()
{
    if (puc_projection)
        munmap(const_cast<unsigned char*>(puc_projection), ul_projection);
    puc_projection = nullptr;
    ul_projection = 0;
}

const unsigned char* CLASS_CODES_IBFILE::pucProjete(unsigned long offset,
                                                    unsigned long longueur)
{
    vLibererProjection();
    struct stat st;
    if (!b_projeter || !pf_donnees || !S_ISREG(st_donnees.st_mode) || longueur == 0 ||
        fstat(fileno(pf_donnees), &st) != 0 ||
        st.st_size != st_donnees.st_size || st.st_mtim.tv_sec != st_donnees.st_mtim.tv_sec ||
        st.st_mtim.tv_nsec != st_donnees.st_mtim.tv_nsec ||
        (unsigned long long)offset + longueur > (unsigned long long)st.st_size)
        return nullptr;
    const unsigned long page = (unsigned long)sysconf(_SC_PAGESIZE);
    const unsigned long debut = offset / page * page;
    const size_t taille = offset - debut + longueur;
    void* p = mmap(nullptr, taille, PROT_READ, MAP_PRIVATE, fileno(pf_donnees), (off_t)debut);
    if (p == MAP_FAILED)
        return nullptr;
    puc_projection = static_cast<const unsigned char*>(p);
    ul_projection = taille;
    return puc_projection + (offset - debut);
}
