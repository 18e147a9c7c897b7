#include "tests/transport/serveur_smtp.h"

#include <sstream>

namespace {

std::vector<std::string> avecDossier(const std::string& dossier, std::vector<std::string> o)
{
    o.insert(o.begin(), {"--dossier", dossier});
    return o;
}

}  // namespace

ServeurSmtp::ServeurSmtp(const std::vector<std::string>& options)
    : script_("smtp_reel.py", avecDossier(dossier_.chemin(), options))
{
}

std::vector<Courrier> ServeurSmtp::courriers() const
{
    std::vector<Courrier> liste;
    for (int n = 1; existe(dossier_ / (std::to_string(n) + ".enveloppe")); ++n) {
        Courrier c;
        std::istringstream enveloppe(lireFichier(dossier_ / (std::to_string(n) + ".enveloppe")));
        std::getline(enveloppe, c.de);
        for (std::string a; std::getline(enveloppe, a);)
            c.a.push_back(a);
        c.donnees = lireFichier(dossier_ / (std::to_string(n) + ".donnees"));
        liste.push_back(c);
    }
    return liste;
}

std::string Courrier::corps() const
{
    const size_t vide = donnees.find("\r\n\r\n");
    std::string c = vide == std::string::npos ? "" : donnees.substr(vide + 4), t;
    for (size_t i = 0; i < c.size(); ++i)
        if (!(c[i] == '\r' && i + 1 < c.size() && c[i + 1] == '\n'))
            t.push_back(c[i]);
    return t;
}

std::string crlf(const std::string& texte)
{
    std::string t;
    for (char c : texte) {
        if (c == '\n')
            t.push_back('\r');
        t.push_back(c);
    }
    return t;
}
