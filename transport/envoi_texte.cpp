#include "transport/envoi_texte.h"

#include <sstream>

namespace {

// The text's lines, a carriage return before a line feed dropped.
template <typename F>
void vParLigne(const std::string& texte, F f)
{
    std::istringstream in(texte);
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r')
            l.pop_back();
        f(l);
    }
}

}  // namespace

bool bSuppressionAutomatisations(const std::string& texte)
{
    bool suppression = false;
    vParLigne(texte, [&](const std::string& l) { suppression = suppression || l == "A 0"; });
    return suppression;
}

std::string codesTexteBulletins(const std::string& texte)
{
    std::string codes;
    vParLigne(texte, [&](const std::string& l) {
        const bool code = !l.empty() && l.rfind("@mto@", 0) != 0 && l != "A" &&
                          l.rfind("A ", 0) != 0;
        if (code)
            codes += l + "\n";
    });
    return codes;
}

void vAccorderAuTexte(EnvoiRequete& e)
{
    if (bSuppressionAutomatisations(e.texte)) {
        e.volume = "0.5";
        e.cout = "0.0";
        e.corps.clear();
    } else if (e.type == 1) {
        e.corps = codesTexteBulletins(e.texte);
    }
}
