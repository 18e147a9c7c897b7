#include "gribdata/projections.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/globales.h"

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const ETIQUETTE = "<FICHIERGRIB>";

std::mutex verrou;
std::vector<Projection> projections;

bool bProjectionDe(const unsigned char* p, Projection& trouvee)
{
    std::lock_guard<std::mutex> garde(verrou);
    for (const Projection& q : projections)
        if (p >= q.debut && p < q.debut + q.taille) {
            trouvee = q;
            return true;
        }
    return false;
}

bool bInchange(const Projection& p, const char* nom)
{
    struct stat st;
    if (fstat(p.fd, &st) == 0 && st.st_size == p.octets &&
        st.st_mtim.tv_sec == p.modification.tv_sec &&
        st.st_mtim.tv_nsec == p.modification.tv_nsec)
        return true;
    vJournal(ETIQUETTE, "%s a change depuis son ouverture: message refuse\n", nom ? nom : "?");
    return false;
}

}  // namespace

void vInscrireProjection(const Projection& p)
{
    std::lock_guard<std::mutex> garde(verrou);
    projections.push_back(p);
}

void vRetirerProjection(const unsigned char* debut)
{
    std::lock_guard<std::mutex> garde(verrou);
    const auto q = std::find_if(projections.begin(), projections.end(),
                                [debut](const Projection& p) { return p.debut == debut; });
    if (q == projections.end())
        return;
    close(q->fd);
    projections.erase(q);
}

int iLireOctets(int fd, off_t position, size_t n, unsigned char* octets)
{
    while (n > 0) {
        const ssize_t lu = pread(fd, octets, n, position);
        if (lu < 0 && errno == EINTR)
            continue;
        if (lu <= 0)
            return -1;
        octets += lu, n -= size_t(lu), position += lu;
    }
    return 0;
}

int iDecoderEnregistrement(Grib& champ, const grib& r)
{
    Projection p;
    if (!bProjectionDe(r.message, p))
        return champ.set(r.message, r.longueur);
    if (!bInchange(p, r.nomFichier))
        return GRIB_FICHIER_CHANGE;
    std::vector<unsigned char> copie(r.longueur);
    if (iLireOctets(p.fd, off_t(r.message - p.debut), copie.size(), copie.data()) != 0) {
        vJournal(ETIQUETTE, "%s: message illisible, le fichier a change\n",
                 r.nomFichier ? r.nomFichier : "?");
        return GRIB_FICHIER_CHANGE;
    }
    const int code = champ.set(copie.data(), r.longueur);
    // Where the record lies in the file, as a decode in place leaves it.
    champ.message = r.message;
    return code;
}
