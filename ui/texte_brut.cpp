#include "ui/texte_brut.h"

#include <cstring>

namespace {

// `texte` with every character of `doubles` doubled and every one of
// `echappes` behind a "\".
std::string sProtege(const char* texte, const char* doubles, const char* echappes)
{
    std::string sortie;
    for (const char* p = texte ? texte : ""; *p; ++p) {
        if (std::strchr(doubles, *p))
            sortie += *p;
        else if (std::strchr(echappes, *p))
            sortie += '\\';
        sortie += *p;
    }
    return sortie;
}

}  // namespace

std::string sLibelleBrut(const char* texte)
{
    return sProtege(texte, "@", "");
}

std::string sEntreeMenuBrute(const char* texte)
{
    return sProtege(texte, "@&", "");
}

std::string sAjoutMenuBrut(const char* texte)
{
    return sProtege(texte, "@&", "/\\_");
}

std::string sTexteEntreeMenu(const char* libelle)
{
    std::string texte;
    for (const char* p = libelle ? libelle : ""; *p; ++p) {
        texte += *p;
        if ((*p == '@' || *p == '&') && p[1] == *p)
            ++p;
    }
    return texte;
}

std::string sHtmlBrut(const std::string& texte)
{
    std::string s;
    for (char c : texte)
        s += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    return s;
}
