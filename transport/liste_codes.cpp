#include "transport/liste_codes.h"

bool ListeCodes::bAjouter(const std::string& mot)
{
    if (mot.empty())
        return true;
    for (std::string& c : cases_)
        if (c.empty()) {
            c = mot;
            return true;
        }
    return false;
}

bool ListeCodes::bContient(const std::string& mot) const
{
    for (const std::string& c : cases_)
        if (!c.empty() && c == mot)
            return true;
    return false;
}

void ListeCodes::vRetirer(const std::string& mot)
{
    for (std::string& c : cases_)
        if (c == mot)
            c.clear();
}

void ListeCodes::vVider()
{
    for (std::string& c : cases_)
        c.clear();
}

bool ListeCodes::bVide() const
{
    return iNombre() == 0;
}

int ListeCodes::iNombre() const
{
    int n = 0;
    for (const std::string& c : cases_)
        n += !c.empty();
    return n;
}

std::string ListeCodes::texte(const char* avant, const char* apres) const
{
    std::string t;
    for (const std::string& c : cases_)
        if (!c.empty())
            t.append(avant).append(c).append(apres);
    return t;
}
