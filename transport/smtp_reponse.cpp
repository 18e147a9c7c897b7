#include "transport/smtp_reponse.h"

#include <cctype>

namespace {

bool bChiffres(const std::string& s, size_t debut)
{
    if (debut + 3 > s.size())
        return false;
    for (size_t i = debut; i < debut + 3; ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
    return true;
}

// A line that goes on: "ddd-".
bool bSuite(const std::string& s, size_t debut)
{
    return bChiffres(s, debut) && debut + 3 < s.size() && s[debut + 3] == '-';
}

// The start of the last line of a whole reply: the line its final line
// feed (and a carriage return before it) ends, even an empty one.
size_t debutDerniereLigne(const std::string& r)
{
    size_t fin = r.size();
    if (fin > 0 && r[fin - 1] == '\n')
        --fin;
    if (fin > 0 && r[fin - 1] == '\r')
        --fin;
    const size_t lf = fin ? r.rfind('\n', fin - 1) : std::string::npos;
    return lf == std::string::npos ? 0 : lf + 1;
}

}  // namespace

size_t tailleReponseSmtp(const std::string& recu)
{
    for (size_t debut = 0; debut < recu.size();) {
        const size_t lf = recu.find('\n', debut);
        if (lf == std::string::npos)
            return 0;
        if (!bSuite(recu, debut))
            return lf + 1;
        debut = lf + 1;
    }
    return 0;
}

int iCodeReponseSmtp(const std::string& reponse)
{
    const size_t d = debutDerniereLigne(reponse);
    if (!bChiffres(reponse, d))
        return -1;
    return (reponse[d] - '0') * 100 + (reponse[d + 1] - '0') * 10 + (reponse[d + 2] - '0');
}

std::string texteReponseSmtp(const std::string& reponse)
{
    std::string t;
    t.reserve(reponse.size() + 1);
    for (char c : reponse)
        if (c != '\r')
            t.push_back(c);
    if (t.empty() || t.back() != '\n')
        t.push_back('\n');
    return t;
}
