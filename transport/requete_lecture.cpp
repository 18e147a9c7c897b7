// Reading a saved request back into a request. The files lie in folders
// the user can edit: a file is read once, whole and bounded, then every
// value is checked as the page's own are, and a line that fails is
// skipped with a log line (a bounded number of them per file).
#include "transport/requete.h"

#include "gribdata/globales.h"
#include "transport/regles_requete.h"
#include "ui/fichier_texte.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdarg>
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

}  // namespace

bool bLireRequeteSauvee(const char* chemin, std::string& octets)
{
    const int erreur = chemin ? iLireFichierBorne(chemin, octets, TAILLE_REQUETE_MAX) : EINVAL;
    if (erreur == EFBIG)
        vJournal(TAG_REQUETE, "requete refusee, plus de %zu octets: %s\n", TAILLE_REQUETE_MAX,
                 chemin);
    else if (erreur)
        vJournal(TAG_REQUETE, "requete illisible: %s (%s)\n", chemin ? chemin : "(aucun)",
                 std::strerror(erreur));
    return erreur == 0;
}

void requete::vJournalRefus(const char* format, ...)
{
    if (lecture && journalRestant_ <= 0) {
        ++journalTu_;
        return;
    }
    if (lecture)
        --journalRestant_;
    char t[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(t, sizeof t, format, args);
    va_end(args);
    vJournal(TAG_REQUETE, "%s", t);
}

// The blank-separated words from `debut` on: only what the page itself
// could have put there, once; a word the 128 slots cannot hold is
// counted with the lines refused. Each word dropped is logged.
void requete::vMots(ListeCodes& liste, const std::string& ligne, size_t debut,
                    bool (*accepte)(const std::string&, int))
{
    liste.vVider();
    std::istringstream mots(valeur(ligne, debut));
    for (std::string mot; std::getline(mots, mot, ' ');) {
        if (mot.empty())
            continue;
        if (!bMotImprimable(mot))
            vJournalRefus("mot refuse (octet de controle) dans: %.20s\n", ligne.c_str());
        else if (!accepte(mot, modele))
            vJournalRefus("mot refuse: %.20s\n", mot.c_str());
        else if (liste.bContient(mot))
            vJournalRefus("mot en double: %.20s\n", mot.c_str());
        else if (!liste.bAjouter(mot))
            ++lignesRefusees, vJournalRefus("mot ignore, plus de %d: %.20s\n",
                                            ListeCodes::TAILLE, mot.c_str());
    }
}

int requete::readligne(const std::string& octets, size_t& position)
{
    while (position < octets.size()) {
        const size_t debut = position;
        const size_t fin = std::min(octets.find('\n', debut), octets.size());
        position = fin + 1;
        // The line end whole: the line feed and every carriage return
        // before it.
        size_t bout = fin;
        while (bout > debut && octets[bout - 1] == '\r')
            --bout;
        if (bout - debut <= LIGNE_MAX) {
            ligne.assign(octets, debut, bout - debut);
            return 1;
        }
        vJournalRefus("ligne de plus de %d caracteres ignoree\n", int(LIGNE_MAX));
        ++lignesRefusees;
    }
    return 0;
}

void requete::vLire_Requete(const char* path)
{
    if (bDossierRequete(path, type))
        vLireFichier(path);
}

void requete::vLireFichier(const char* path)
{
    std::string octets;
    if (bLireRequeteSauvee(path, octets))
        vLireOctets(octets);
}

void requete::vLireOctets(const std::string& octets, int journalMax)
{
    lignesRefusees = 0;
    journalRestant_ = journalMax;
    journalTu_ = 0;
    size_t position = 0;
    if (type == 0)
        vLireGrib(octets, position);
    else
        vLireBulletin(octets, position);
    if (journalTu_ > 0 && journalMax > 0)
        vJournal(TAG_REQUETE, "%d autre(s) refus de la requete non journalise(s)\n", journalTu_);
}

// One code per line, each kept code a line of the request text: a line
// that is no code word (a request marker, an automation line, a blank
// line, any other text) would reach the service as a line of the
// protocol, so it is dropped, logged and counted, as is a code the 128
// slots cannot hold. A code is asked for once. Blanks around a code are
// cut.
void requete::vLireBulletin(const std::string& octets, size_t& position)
{
    vFreeObjets();
    lecture = true;
    for (int n = 1; readligne(octets, position); ++n) {
        const size_t debut = ligne.find_first_not_of(" \t");
        const std::string code = debut == std::string::npos
                                     ? ""
                                     : ligne.substr(debut, ligne.find_last_not_of(" \t") + 1 - debut);
        if (!bCodeObjet(code)) {
            ++lignesRefusees;
            vJournalRefus("ligne %d refusee dans la requete de bulletins: %s\n", n,
                          bMotImprimable(ligne) ? ligne.substr(0, CODE_OBJET_MAX + 1).c_str()
                                                : "(octet de controle)");
        } else if (objets.bContient(code)) {
            vJournalRefus("ligne %d: code en double: %s\n", n, code.c_str());
        } else if (!bAjouterObjet(code.c_str())) {
            ++lignesRefusees;
        }
    }
    lecture = false;
    vCompterObjets();
    vEcrire(0);
}

void requete::vLireGrib(const std::string& octets, size_t& position)
{
    // Nothing is rendered nor costed until the last line is read.
    lecture = true;
    ligneCompression = "C";
    zoneLue = false;
    while (readligne(octets, position))
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
            vJournalRefus("dimensions refusees: %.40s\n", l.c_str());
        }
    } else if (a("automatisation ")) {
        // Never written by a save: the automation sent is the panel's,
        // chosen in view; a file's would go unseen (a deletion of them
        // all for "0").
        ++lignesRefusees;
        vJournalRefus("ligne d'automatisation ignoree: %.40s\n", l.c_str());
    } else if (a("zone ")) {
        if (std::sscanf(l.c_str(), "%*s %lf %lf %lf %lf", &v[0], &v[1], &v[2], &v[3]) != 4)
            vJournalRefus("zone illisible: %.60s\n", l.c_str());
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
            vSetCapVitesse(c % 360, v);  // the page's course field stops at 359
        else
            vJournalRefus("capvitesse refuse: %.40s\n", t.c_str());
    } else if (a("compression ")) {
        const std::string t = valeur(l, 12);
        if (t.empty() || bLigneCompressionValide(t))
            ligneCompression = t.empty() ? "C" : t;
        else
            vJournalRefus("compression refusee: %.40s\n", t.c_str());
    } else if (a("terremer ")) {
        const std::string t = valeur(l, 9);
        if (bLigneTerreValide(t))
            ligneTerre = t;
        else
            vJournalRefus("terremer refuse: %.40s\n", t.c_str());
    } else if (a("parametres ")) {
        vMots(parametres, l, 11, bParametreDuModele);
    } else if (a("echeances ")) {
        vMots(echeances, l, 10, bEcheance);
        modeValidites = 0;
    } else if (a("validites ")) {
        vMots(validites, l, 10, bValidite);
        modeValidites = 1;
    }
}
