#include "ui/styles_bulletin.h"

#include <cstring>
#include <vector>

namespace {

// One line step: its visible part runs from `debut` to `fin`; the line
// ends after it (blank lines included) belong to the step and keep "A".
struct Etape {
    size_t debut, fin;
};

std::vector<Etape> etapes(const std::string& t)
{
    std::vector<Etape> v;
    size_t p = 0;
    do {
        size_t fin = t.find_first_of("\r\n", p);
        if (fin == std::string::npos)
            fin = t.size();
        v.push_back({p, fin});
        p = t.find_first_not_of("\r\n", fin);
    } while (p != std::string::npos);
    return v;
}

// Walks the steps in order, each rule taking them from where the last one
// stopped.
class Coloriage {
public:
    Coloriage(const std::string& texte, std::string& style)
        : texte_(texte), style_(style), etapes_(etapes(texte))
    {
    }

    bool bFini() const { return i_ >= etapes_.size(); }

    // Whether the current step's visible part begins with `debut`.
    bool bCommence(const char* debut) const
    {
        const Etape& e = etapes_[i_];
        const size_t n = std::strlen(debut);
        return e.fin - e.debut >= n && texte_.compare(e.debut, n, debut) == 0;
    }

    // Styles the current step and moves on.
    void vPoser(char lettre)
    {
        const Etape& e = etapes_[i_++];
        style_.replace(e.debut, e.fin - e.debut, e.fin - e.debut, lettre);
    }

    // The steps up to the next one that begins with `arret` get `lettre`.
    void vJusqua(const char* arret, char lettre)
    {
        while (!bFini() && !bCommence(arret))
            vPoser(lettre);
    }

private:
    const std::string& texte_;
    std::string& style_;
    std::vector<Etape> etapes_;
    size_t i_ = 0;
};

void vMarine(Coloriage& c, char courant)
{
    while (!c.bFini()) {
        if (c.bCommence("Bulletins Marines"))
            courant = 'N';
        else if (courant == 'N' && c.bCommence("===="))
            courant = 'C';
        c.vPoser(courant);
    }
}

// The end of the availability list, and the whole of the service's message.
void vFinDeListe(Coloriage& c, char avant)
{
    while (!c.bFini() && !c.bCommence("-_-_-") && !c.bCommence("===="))
        c.vPoser(avant);
    c.vJusqua("====", 'N');
    while (!c.bFini())
        c.vPoser('C');
}

void vDisponibilite(Coloriage& c)
{
    for (const char lettre : std::string("FFBBAAJIIB"))
        if (!c.bFini())
            c.vPoser(lettre);
    for (int i = 0; i < 4; ++i) {
        c.vJusqua("====", 'C');
        if (!c.bFini())
            c.vPoser('B');
    }
    vFinDeListe(c, 'A');
}

// Lines that begin with `marque` in black bold, the others in `autre`.
void vLignesMarquees(Coloriage& c, const char* marque, char autre)
{
    while (!c.bFini())
        c.vPoser(c.bCommence(marque) ? 'B' : autre);
}

const char* const AVIS[] = {"WONT", "WOUK", "WWME", "WOMQ", "WTNT", "WWST", "WWAA", "WTIO",
                            "WTIN", "WWPK", "WTAU", "WOAU", "WHAU", "WTNG", "WHNG", "WONG",
                            "WWCI", "WWHK", "WWJP", "WTJP", "WTPZ", "WTPA", "WORA", "WORS",
                            "WOPS", "WHPS", "WWNZ", "WWXX", "WTNZ"};
const char* const PREVISIONS[] = {"FQNT", "FPUK", "FQME", "FQMQ", "FZNT", "FQST",
                                  "FQZA", "FQIN", "FQIO", "FQAU", "FZPN", "FQRA",
                                  "FQRS", "FQPS", "FZPS", "FZAA"};

template <size_t N>
bool bUnDe(const Coloriage& c, const char* const (&liste)[N])
{
    for (const char* entete : liste)
        if (c.bCommence(entete))
            return true;
    return false;
}

void vGmdss(Coloriage& c)
{
    for (const char lettre : {'K', 'B'})
        if (!c.bFini())
            c.vPoser(lettre);
    c.vJusqua("====", 'L');
    if (!c.bFini())
        c.vPoser('B');
    char courant = 'A';
    while (!c.bFini()) {
        if (bUnDe(c, AVIS))
            courant = 'F';
        else if (bUnDe(c, PREVISIONS))
            courant = 'D';
        c.vPoser(courant);
    }
}

}  // namespace

std::string styleTexte(const char* chemin, GenreFichier genre, const std::string& texte)
{
    std::string style(texte.size(), 'A');
    Coloriage c(texte, style);
    if (genre == BULLETIN_ALERTE)
        vMarine(c, 'F');
    else if (std::strstr(chemin, "disponibilite.txt"))
        vDisponibilite(c);
    else if (std::strstr(chemin, "message.txt"))
        vFinDeListe(c, 'E');
    else if (std::strstr(chemin, "messages.txt"))
        vLignesMarquees(c, "====", 'E');
    else if (std::strstr(chemin, "envois.txt"))
        vLignesMarquees(c, "SEND====", 'E');
    else if (genre == BULLETIN_GMDSS)
        vGmdss(c);
    else
        vMarine(c, 'A');
    return style;
}
