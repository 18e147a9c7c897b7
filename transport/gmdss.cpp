// A run of GMDSS bulletins, one file each.
#include "transport/reponse.h"

#include "codes/texte_journal.h"
#include "gribdata/globales.h"
#include "transport/depot.h"
#include "transport/genre_recu.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const CLE = "GMDSS_METAREA";
const size_t LONGUEUR_CLE = 13;
const size_t BULLETINS_MAX = 16;

// The bulletin's first word: up to any white space.
std::string premierMot(const char* bulletin)
{
    const char* fin = bulletin;
    while (*fin && !std::isspace(static_cast<unsigned char>(*fin)))
        ++fin;
    return std::string(bulletin, fin);
}

}  // namespace

void vEclateBulletinsGmdss(char* text, std::vector<std::string>* nonClasses)
{
    std::vector<char*> bulletins;
    for (char* p = text; *p && bulletins.size() < BULLETINS_MAX; ++p) {
        if (std::strncmp(p, CLE, LONGUEUR_CLE) != 0)
            continue;
        if (p != text)
            p[-1] = 0;
        bulletins.push_back(p);
        p += LONGUEUR_CLE - 1;
    }
    std::vector<std::string> mots;
    for (char* b : bulletins)
        mots.push_back(premierMot(b));
    for (size_t i = 0; i < bulletins.size(); ++i) {
        const std::string& mot = mots[i];
        // Within one run the later bulletin stands for its word; a
        // bulletin of an earlier answer still waiting keeps its file.
        if (std::find(mots.begin() + long(i) + 1, mots.end(), mot) != mots.end())
            continue;
        char* b = bulletins[i];
        if (!bNomRecuSur(mot))
            vJournal("<VISUALISATEUR>", "ECHEC : bulletin \"%s\" sans nom utilisable\n",
                     sTexteJournal(mot.substr(0, 64)).c_str());
        else if (iDeposerAPart("lockdir", mot + ".txt", b, std::strlen(b), nullptr,
                               pcDossierGenre(RECU_TEXTE)) == 0)
            continue;
        if (nonClasses)
            nonClasses->push_back(mot);
    }
}
