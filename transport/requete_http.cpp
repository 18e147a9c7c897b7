// The query string of a request text.
#include "transport/http.h"

#include "gribdata/globales.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// As the settings file's log lines show it.
const char* const MOT_DE_PASSE_CACHE = "********";

std::string prefixe(const char* email, const char* password)
{
    std::string p = std::string("email=") + (email ? email : "") + "&requete=";
    if (password)
        p += std::string(password) + "!";
    return p;
}

}  // namespace

char* formatRequeteHttp(const char* text, const char* email, const char* password)
{
    std::string q = prefixe(email, password);
    const size_t debutTexte = q.size();
    for (const char* c = text ? text : ""; *c; ++c) {
        if (*c == '\n')
            q += '!';
        else if (*c == ' ')
            q += '~';
        else if (*c != '\r')
            q += *c;
    }
    char* requete = new char[q.size() + 1];
    std::memcpy(requete, q.c_str(), q.size() + 1);
    const std::string visible = prefixe(email, password ? MOT_DE_PASSE_CACHE : nullptr) +
                                q.substr(debutTexte);
    vJournal("<VISUALISATEUR>", "Requete http: \"%s\"\n", visible.c_str());
    return requete;
}
