#include "transport/profils.h"

#include "gribdata/globales.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const TAG = "<config>";
const char* const SERVEUR_DEFAUT = "smtpserveur";

// No blank, no control byte, none of `interdits`.
bool bPropre(const std::string& s, const char* interdits = "")
{
    for (unsigned char c : s)
        if (c < 0x21 || c == 0x7F || std::strchr(interdits, c))
            return false;
    return true;
}

bool bLongueur(const std::string& s, size_t min, size_t max)
{
    return s.size() >= min && s.size() <= max;
}

// 1 to 65535 in decimal digits only; 0 otherwise.
int iPort(const std::string& s)
{
    if (s.empty() || s.size() > 5 || s.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const int n = std::atoi(s.c_str());
    return n >= 1 && n <= 65535 ? n : 0;
}

void vCopier(char* champ, size_t taille, const std::string& s)
{
    std::snprintf(champ, taille, "%s", s.c_str());
}

}  // namespace

int iEntreeInvalide(const FormulaireProfil& f, bool http)
{
    const bool commun = bLongueur(f.nom, 3, 63) && bLongueur(f.email, 8, 127) &&
                        bPropre(f.nom) && bPropre(f.email, "<>&#") && bPropre(f.serveur) &&
                        bPropre(f.port) && f.serveur.size() <= 63;
    if (!commun)
        return 1;
    if (http)
        return !(bLongueur(f.password, 8, 32) && bPropre(f.password, "~=\\/@&#^|!"));
    return !(f.serveur.size() >= 8 && f.port.size() >= 2 && iPort(f.port) &&
             f.password.size() <= 63 && bPropre(f.password));
}

TYPEDEF_PROFIL* profilCourant(const classeConfiguration& c)
{
    for (TYPEDEF_PROFIL* p = c.profils; p; p = p->suivant)
        if (p->selection == 1)
            return p;
    return c.profils;
}

TYPEDEF_PROFIL* profilNomme(const classeConfiguration& c, const std::string& nom)
{
    for (TYPEDEF_PROFIL* p = c.profils; p; p = p->suivant)
        if (nom == p->nom)
            return p;
    return nullptr;
}

FormulaireProfil formulaireDe(const TYPEDEF_PROFIL& p)
{
    return {p.nom, p.email, p.serveur, p.password, std::to_string(p.port)};
}

ProfilsEnvoi::ProfilsEnvoi(classeConfiguration& c, bool http, const char* chemin)
    : c_(c), http_(http), chemin_(chemin)
{
}

void ProfilsEnvoi::vRemplir(TYPEDEF_PROFIL& p, const FormulaireProfil& f) const
{
    vCopier(p.nom, sizeof p.nom, f.nom);
    vCopier(p.email, sizeof p.email, f.email);
    vCopier(p.serveur, sizeof p.serveur, f.serveur);
    vCopier(p.password, sizeof p.password, f.password.empty() ? "NULL" : f.password);
    // The HTTP layout hides the port: a profile keeps a usable one.
    const int port = iPort(f.port);
    p.port = port ? port : 25;
}

ResultatProfil ProfilsEnvoi::ajouter(const FormulaireProfil& f)
{
    if (iEntreeInvalide(f, http_))
        return PROFIL_INCORRECT;
    if (profilNomme(c_, f.nom))
        return PROFIL_EXISTE;
    TYPEDEF_PROFIL* p = new TYPEDEF_PROFIL{};
    vRemplir(*p, f);
    c_.vAjouterProfil(p);
    return iEcrire();
}

ResultatProfil ProfilsEnvoi::supprimer(const FormulaireProfil& f)
{
    if (iEntreeInvalide(f, http_))
        return PROFIL_INCORRECT;
    for (TYPEDEF_PROFIL** p = &c_.profils; *p; p = &(*p)->suivant) {
        if (f.nom == (*p)->nom) {
            TYPEDEF_PROFIL* enleve = *p;
            *p = enleve->suivant;
            delete enleve;
            return iEcrire();
        }
    }
    return PROFIL_ABSENT;
}

ResultatProfil ProfilsEnvoi::modifier(const std::string& edite, const FormulaireProfil& f)
{
    if (iEntreeInvalide(f, http_))
        return PROFIL_INCORRECT;
    TYPEDEF_PROFIL* cible = edite.empty() ? nullptr : profilNomme(c_, edite);
    const TYPEDEF_PROFIL* homonyme = profilNomme(c_, f.nom);
    if (homonyme && homonyme != cible)
        return PROFIL_EXISTE;
    if (!cible) {
        cible = new TYPEDEF_PROFIL{};
        c_.vAjouterProfil(cible);
    }
    vRemplir(*cible, f);
    return selectionner(f.nom) ? PROFIL_OK : PROFIL_NON_ECRIT;
}

bool ProfilsEnvoi::selectionner(const std::string& nom)
{
    for (TYPEDEF_PROFIL* p = c_.profils; p; p = p->suivant)
        p->selection = nom == p->nom;
    return iEcrire() == PROFIL_OK;
}

// Each profile logged (no password), then the whole settings file; a file
// that cannot be written leaves the list changed all the same.
ResultatProfil ProfilsEnvoi::iEcrire()
{
    for (TYPEDEF_PROFIL* p = c_.profils; p; p = p->suivant) {
        if (std::strlen(p->serveur) < 8)
            vCopier(p->serveur, sizeof p->serveur, SERVEUR_DEFAUT);
        vJournal(TAG, "smtp_print: %s %s %s %d %d\n", p->nom, p->email, p->serveur, p->port,
                 p->selection);
    }
    return c_.ecriture(chemin_.c_str()) == 0 ? PROFIL_OK : PROFIL_NON_ECRIT;
}
