// The single lines of a request: land data, compression, moving zone,
// automation, and the predefined package.
#include "transport/requete.h"

#include "transport/regles_requete.h"

#include <cstdio>
#include <string>

namespace {

std::string ligneCap(int course, double speed)
{
    char t[64];
    std::snprintf(t, sizeof t, "V %d %.1lf", course, speed);
    return t;
}

}  // namespace

// `ligne` becomes its letter, a blank and `valeur` when the check allows
// it, and the text is rendered; else it is kept and `refus` logged.
void requete::vPoserLigne(std::string& ligne, char lettre, const char* valeur,
                          bool (*valide)(const std::string&), const char* refus)
{
    const std::string l = std::string(1, lettre) + " " + (valeur ? valeur : "");
    if (!valide(l)) {
        vJournalRefus("%s: %.40s\n", refus, valeur ? valeur : "(null)");
        return;
    }
    ligne = l;
    vEcrire(0);
}

void requete::vSetTerreMer(const char* value)
{
    vPoserLigne(ligneTerre, 'F', value, bLigneTerreValide, "terremer refuse");
}

void requete::vUnsetTerreMer()
{
    ligneTerre = "F 1";
    vEcrire(0);
}

int requete::iGetTerreMer() const
{
    return ligneTerre == "F 0" ? 0 : 1;
}

void requete::vSetCompression(const char* name)
{
    vPoserLigne(ligneCompression, 'C', name, bLigneCompressionValide, "compression refusee");
}

void requete::vUnsetCompression()
{
    ligneCompression = "C";
    vEcrire(0);
}

int requete::iGetCompression() const
{
    if (ligneCompression == "C")
        return 0;
    return ligneCompression == "C gzip" ? 1 : 2;
}

void requete::vSetCapVitesse(int course, double speed)
{
    if (!bVitesseValide(speed) || !bCapValide(course)) {
        vJournalRefus("cap ou vitesse refuse: %d %g\n", course, speed);
        return;
    }
    ligneCapVitesse = ligneCap(course, speed);
    vEcrire(0);
}

void requete::vUnsetCapVitesse()
{
    ligneCapVitesse = "V";
    vEcrire(0);
}

int requete::intGetCap()
{
    if (ligneCapVitesse == "V")
        return 0;
    bLigneCapValide(ligneCapVitesse, cap, vitesse);
    return cap;
}

double requete::doubleGetVitesse() const
{
    return ligneCapVitesse == "V" ? 0 : vitesse;
}

void requete::vSetAutomatisation(const char* text)
{
    if (text && !bAutomatisationValide(text)) {
        vJournalRefus("automatisation refusee: %.40s\n", text);
        return;
    }
    ligneAutomatisation = text ? std::string("A ") + text : "A 1";
    vEcrire(0);
}

void requete::vSetAutomatisation(int days)
{
    ligneAutomatisation = days == 0 ? "A 1" : "A " + std::to_string(days);
    vEcrire(0);
}

void requete::vSetAbonnement(int code)
{
    forfaitActif = 1;
    if (code > 999)
        code /= 1000;
    if (code > 99)
        code /= 100;
    if (code > 9)
        code /= 10;
    chiffreForfait = code;
    ligneForfait = "F " + std::to_string(code);
    parametres.vVider();
    echeances.vVider();
    validites.vVider();
    maille = 0.25;
    vSetParametre("Pmer");
    echeances.bAjouter("3");
    ligneTerre = "F 0";
    vEcrire(0);
}

void requete::vSetSysteme()
{
    vEcrire(2);
}
