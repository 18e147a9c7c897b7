#include "transport/entete_reponse.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <string>

const char MARQUEUR_REPONSE[] = "QUENBREL2";

namespace {

// A cursor over the header's octets.
struct Lecture {
    const char* p;
    const char* fin;

    void blancs()
    {
        while (p < fin && std::isspace(static_cast<unsigned char>(*p)))
            ++p;
    }
    bool entier(int& valeur)
    {
        blancs();
        const char* q = p;
        bool negatif = false;
        if (q < fin && (*q == '+' || *q == '-'))
            negatif = *q++ == '-';
        long long v = 0;
        const char* chiffres = q;
        while (q < fin && std::isdigit(static_cast<unsigned char>(*q))) {
            v = v * 10 + (*q++ - '0');
            if (v > 1LL + INT_MAX)
                return false;
        }
        if (q == chiffres || (!negatif && v > INT_MAX))
            return false;
        valeur = int(negatif ? -v : v);
        p = q;
        return true;
    }
    bool caractere(char& c)
    {
        blancs();
        if (p == fin)
            return false;
        c = *p++;
        return true;
    }
    bool mot(std::string& m)
    {
        blancs();
        const char* q = p;
        while (q < fin && !std::isspace(static_cast<unsigned char>(*q)))
            ++q;
        if (q == p)
            return false;
        m.assign(p, q);
        p = q;
        return true;
    }
};

}  // namespace

EnteteReponse lireEntete(const char* octets, size_t n)
{
    EnteteReponse e;
    if (n <= DEBUT_ENTETE)
        return e;
    const size_t taille = std::min(n, DEBUT_MESSAGE) - DEBUT_ENTETE;
    const char* debut = octets + DEBUT_ENTETE;
    const void* zero = std::memchr(debut, 0, taille);
    Lecture l{debut, zero ? static_cast<const char*>(zero) : debut + taille};
    if (!l.entier(e.cr))
        return e;
    e.champs = 1;
    if (!l.caractere(e.type))
        return e;
    e.champs = 2;
    if (!l.entier(e.lmess))
        return e;
    e.champs = 3;
    if (!l.entier(e.ldata))
        return e;
    e.champs = 4;
    if (l.mot(e.nom))
        e.champs = 5;
    return e;
}

int64_t llTotalDeclare(const EnteteReponse& e)
{
    return int64_t(DEBUT_MESSAGE) + e.lmess + e.ldata;
}

bool bLongueursSures(const EnteteReponse& e, int64_t maximum)
{
    return e.champs >= 4 && e.lmess >= 0 && e.ldata >= 0 && llTotalDeclare(e) <= maximum;
}

size_t iChercherMarqueur(const char* octets, size_t n)
{
    const size_t texte = strnlen(octets, n);
    const void* m = memmem(octets, texte, MARQUEUR_REPONSE, LONGUEUR_MARQUEUR);
    return m ? size_t(static_cast<const char*>(m) - octets) : std::string::npos;
}
