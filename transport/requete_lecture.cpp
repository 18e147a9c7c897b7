// Reading a saved request back into a request. The files lie in folders
// the user can edit: every value is checked as the page's own are, and a
// line that fails is skipped with a log line.
#include "transport/requete.h"

#include "gribdata/globales.h"
#include "transport/regles_requete.h"
#include "gribdata/ouverture_ordinaire.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>

namespace {

// The longest line read, its end not counted.
const size_t LIGNE_MAX = 511;

std::string valeur(const std::string& ligne, size_t debut)
{
    return ligne.size() > debut ? ligne.substr(debut) : std::string();
}

// What a list's word must be to be kept.
using Accepte = bool (*)(const std::string& mot, int modele);

bool bEcheance(const std::string& mot, int)
{
    return bHeureValide(mot, ECHEANCE_MAX);
}

bool bValidite(const std::string& mot, int)
{
    return bHeureValide(mot, VALIDITE_MAX);
}

// The blank-separated words from `debut` on, at most 128 of them: only
// what the page itself could have put there, once. Each word dropped is
// logged.
void vMots(ListeCodes& liste, const std::string& ligne, size_t debut, Accepte accepte,
           int modele)
{
    liste.vVider();
    std::istringstream mots(valeur(ligne, debut));
    std::string mot;
    for (int n = 0; n < ListeCodes::TAILLE && std::getline(mots, mot, ' ');) {
        if (mot.empty())
            continue;
        if (!bMotImprimable(mot))
            vJournal(TAG_REQUETE, "mot refuse (octet de controle) dans: %.20s\n",
                     ligne.c_str());
        else if (!accepte(mot, modele))
            vJournal(TAG_REQUETE, "mot refuse: %.20s\n", mot.c_str());
        else if (liste.bContient(mot))
            vJournal(TAG_REQUETE, "mot en double: %.20s\n", mot.c_str());
        else if (liste.bAjouter(mot))
            ++n;
    }
}

}  // namespace

int requete::readligne(FILE* file)
{
    for (;;) {
        ligne.clear();
        int c = 0;
        bool lu = false, trop = false;
        while ((c = std::getc(file)) != EOF) {
            lu = true;
            if (c == '\n')
                break;
            if (ligne.size() < LIGNE_MAX + 1)
                ligne.push_back(char(c));
            else
                trop = true;
        }
        if (!lu)
            return 0;
        // The line end whole: the line feed and every carriage return
        // before it.
        while (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        if (!trop && ligne.size() <= LIGNE_MAX)
            return 1;
        vJournal(TAG_REQUETE, "ligne de plus de %d caracteres ignoree\n", int(LIGNE_MAX));
        ++lignesRefusees;
    }
}

void requete::vLire_Requete(const char* path)
{
    if (bDossierRequete(path, type))
        vLireFichier(path);
}

void requete::vLireFichier(const char* path)
{
    if (!path)
        return;
    bool refuse = false;
    FILE* f = pfOuvrirFichierOrdinaire(path, "r", refuse);
    if (!f) {
        vJournal(TAG_REQUETE, "requete illisible: %s\n", path);
        return;
    }
    lignesRefusees = 0;
    if (type == 0)
        vLireGrib(f);
    else
        vLireBulletin(f);
    std::fclose(f);
}

// One code per line, each kept code a line of the request text: a line
// that is no code word (a request marker, an automation line, a blank
// line, any other text) would reach the service as a line of the
// protocol, so it is dropped, logged and counted. Blanks around a code
// are cut.
void requete::vLireBulletin(FILE* f)
{
    vFreeObjets();
    lecture = true;
    for (int n = 1; readligne(f); ++n) {
        const size_t debut = ligne.find_first_not_of(" \t");
        const std::string code = debut == std::string::npos
                                     ? ""
                                     : ligne.substr(debut, ligne.find_last_not_of(" \t") + 1 - debut);
        if (bCodeObjet(code)) {
            bAjouterObjet(code.c_str());
            continue;
        }
        ++lignesRefusees;
        vJournal(TAG_REQUETE, "ligne %d refusee dans la requete de bulletins: %s\n", n,
                 bMotImprimable(ligne) ? ligne.substr(0, CODE_OBJET_MAX + 1).c_str()
                                       : "(octet de controle)");
    }
    lecture = false;
    vCompterObjets();
    vEcrire(0);
}

void requete::vLireGrib(FILE* f)
{
    // Each line renders the text; the cost, whose work grows with the
    // zone and the times, waits for the last.
    lecture = true;
    ligneCompression = "C";
    vEcrire(0);
    zoneLue = false;
    while (readligne(f))
        vLireLigneGrib();
    // The zone was snapped with the domain's default mesh before the
    // file's mesh was read: snapped again with that mesh, it is the one
    // saved.
    if (zoneLue) {
        double n = zoneFichier[0], s = zoneFichier[1], w = zoneFichier[2], e = zoneFichier[3];
        vZone(n, s, w, e);
    }
    lecture = false;
    vEcrire(0);
}

void requete::vLireLigneGrib()
{
    const std::string& l = ligne;
    auto a = [&l](const char* mot) { return l.find(mot) != std::string::npos; };
    double v[4];
    if (a("dimensions ")) {
        if (std::sscanf(l.c_str(), "%*s %lf %lf %lf", &v[0], &v[1], &v[2]) == 3 &&
            std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2])) {
            centreLatitude = v[0];
            centreLongitude = v[1];
            etendueLatitude = v[2];
        } else {
            vJournal(TAG_REQUETE, "dimensions refusees: %.40s\n", l.c_str());
        }
    } else if (a("automatisation ")) {
        const std::string t = valeur(l, 15);
        if (bAutomatisationValide(t.c_str()))
            ligneAutomatisation = "A " + t;
        else
            vJournal(TAG_REQUETE, "automatisation refusee: %.40s\n", t.c_str());
    } else if (a("zone ")) {
        if (std::sscanf(l.c_str(), "%*s %lf %lf %lf %lf", &v[0], &v[1], &v[2], &v[3]) != 4)
            vJournal(TAG_REQUETE, "zone illisible: %.60s\n", l.c_str());
        else if (iSetZone(v[0], v[1], v[2], v[3]) == 0)
            zoneLue = true, std::copy(v, v + 4, zoneFichier);
    } else if (a("domaine ")) {
        const std::string d = valeur(l, 10);
        if (d.empty()) {
            ligneDomaine = "D";
            modele = 0;
        } else {
            vSetDomaine(d.c_str());
        }
    } else if (a("maille ")) {
        const std::string m = valeur(l, 9);
        if (m.empty())
            ligneMaille = "M";
        else
            vSetMaille(m.c_str());
    } else {
        vLireLigneChoix();
    }
}

// The lines of the choices that follow the domain and the mesh.
void requete::vLireLigneChoix()
{
    const std::string& l = ligne;
    auto a = [&l](const char* mot) { return l.find(mot) != std::string::npos; };
    if (a("capvitesse ")) {
        const std::string t = valeur(l, 11);
        int c = 0;
        double v = 0;
        if (t.empty() || t == "V")
            ligneCapVitesse = "V";
        else if (bLigneCapValide(t, c, v))
            vSetCapVitesse(c, v);
        else
            vJournal(TAG_REQUETE, "capvitesse refuse: %.40s\n", t.c_str());
    } else if (a("compression ")) {
        const std::string t = valeur(l, 12);
        if (t.empty() || bLigneCompressionValide(t))
            ligneCompression = t.empty() ? "C" : t;
        else
            vJournal(TAG_REQUETE, "compression refusee: %.40s\n", t.c_str());
    } else if (a("terremer ")) {
        const std::string t = valeur(l, 9);
        if (bLigneTerreValide(t))
            ligneTerre = t;
        else
            vJournal(TAG_REQUETE, "terremer refuse: %.40s\n", t.c_str());
    } else if (a("parametres ")) {
        vMots(parametres, l, 11, bParametreDuModele, modele);
    } else if (a("echeances ")) {
        vMots(echeances, l, 10, bEcheance, modele);
        modeValidites = 0;
    } else if (a("validites ")) {
        vMots(validites, l, 10, bValidite, modele);
        modeValidites = 1;
    }
}
