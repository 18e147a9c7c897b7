// The send profiles the send window manages, kept in the settings' list
// (classeConfiguration::profils) and written to the settings file at each
// change. Without a display: the window only shows what this decides.
#ifndef TRANSPORT_PROFILS_H
#define TRANSPORT_PROFILS_H

#include "ui/configuration.h"

#include <string>

// The profile form's five texts.
struct FormulaireProfil {
    std::string nom, email, serveur, password, port;
};

enum ResultatProfil {
    PROFIL_OK,
    PROFIL_INCORRECT,  // "Entree incorrecte"
    PROFIL_EXISTE,     // the name is another profile's
    PROFIL_ABSENT,     // no profile of that name
    PROFIL_NON_ECRIT   // done in the list, but the settings file could not be written
};

// The list changed (whether or not the file could be written).
inline bool bProfilChange(ResultatProfil r)
{
    return r == PROFIL_OK || r == PROFIL_NON_ECRIT;
}

// 1 when the form cannot make a profile. HTTP layout (`http`): a name of
// 3 to 63 characters, an e-mail of 8 to 127, a password of 8 to 32 without
// any of "~=\/@&#^|!". Mail layout: name and e-mail likewise, a server of
// 8 to 63 characters and a port of 1 to 65535 written in at least two
// digits. In both, no field holds a blank or a control byte (they would
// reach a request line, an SMTP command or a settings line), the e-mail
// none of "<>&#", and a password of the mail layout fits its field.
int iEntreeInvalide(const FormulaireProfil& f, bool http);

// The profile in use: the first one selected, else the first one; null
// when there is none.
TYPEDEF_PROFIL* profilCourant(const classeConfiguration& c);
TYPEDEF_PROFIL* profilNomme(const classeConfiguration& c, const std::string& nom);
// The form filled from a profile (the port with "%d").
FormulaireProfil formulaireDe(const TYPEDEF_PROFIL& p);

class ProfilsEnvoi {
public:
    ProfilsEnvoi(classeConfiguration& c, bool http, const char* chemin = "etc/config.txt");

    // A new profile, not selected, at the end of the list.
    ResultatProfil ajouter(const FormulaireProfil& f);
    // Removes the profile of the form's name.
    ResultatProfil supprimer(const FormulaireProfil& f);
    // Changes the profile named `edite` in place into the form's values and
    // selects it; refused, both profiles kept, when the new name is another
    // profile's. Without such a profile the form is added, selected.
    ResultatProfil modifier(const std::string& edite, const FormulaireProfil& f);
    // The profile of that name becomes the only one selected; false when
    // the settings file could not be written.
    bool selectionner(const std::string& nom);

private:
    void vRemplir(TYPEDEF_PROFIL& p, const FormulaireProfil& f) const;
    // PROFIL_OK, or PROFIL_NON_ECRIT when the file could not be written.
    ResultatProfil iEcrire();

    classeConfiguration& c_;
    bool http_;
    std::string chemin_;
};

#endif
