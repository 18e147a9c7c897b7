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

// The keywords of a saved GRIB request's lines, each with its blank, in
// the order they decide a line that holds more than one.
enum MotCle {
    DIMENSIONS, AUTOMATISATION, ZONE, DOMAINE, MAILLE, CAPVITESSE, COMPRESSION, TERREMER,
    PARAMETRES, ECHEANCES, VALIDITES, AUCUN
};
const char* const MOTS_CLES[AUCUN] = {
    "dimensions ", "automatisation ", "zone ",      "domaine ",  "maille ",   "capvitesse ",
    "compression ", "terremer ",      "parametres ", "echeances ", "validites ",
};

MotCle motCle(const std::string& ligne)
{
    int k = 0;
    while (k < AUCUN && ligne.find(MOTS_CLES[k]) == std::string::npos)
        ++k;
    return MotCle(k);
}

// What a save writes for an empty list: its keyword alone. A blank line
// holds nothing either.
bool bLigneSansValeur(const std::string& ligne)
{
    return ligne.find_first_not_of(" \t") == std::string::npos || ligne == "parametres" ||
           ligne == "echeances" || ligne == "validites";
}

// Exactly `n` numbers after the line's first word, and nothing else but
// blanks: a number cut short or followed by anything is no number of the
// page's.
bool bNombres(const std::string& ligne, double* v, int n)
{
    // Read as a C string: a NUL would end it early.
    if (!bMotImprimable(ligne))
        return false;
    const char* p = ligne.c_str();
    int lu = -1;
    std::sscanf(p, "%*s%n", &lu);
    for (int i = 0; i < n && lu >= 0; ++i) {
        p += lu;
        lu = -1;
        std::sscanf(p, "%lf%n", &v[i], &lu);
    }
    return lu >= 0 && std::strspn(p + lu, " ") == std::strlen(p + lu);
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
// could have put there, once. A word refused, or one the 128 slots cannot
// hold, is counted with the lines refused; a word repeated is only
// logged, the request being the same without it.
void requete::vMots(ListeCodes& liste, const std::string& ligne, size_t debut,
                    bool (*accepte)(const std::string&, int))
{
    liste.vVider();
    std::istringstream mots(valeur(ligne, debut));
    for (std::string mot; std::getline(mots, mot, ' ');) {
        if (mot.empty())
            continue;
        if (!bMotImprimable(mot))
            ++lignesRefusees, vJournalRefus("mot refuse (octet de controle) dans: %.20s\n",
                                            ligne.c_str());
        else if (!accepte(mot, modele))
            ++lignesRefusees, vJournalRefus("mot refuse: %.20s\n", mot.c_str());
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
    // saved, or none when it cannot be.
    if (zoneLue) {
        double n = zoneFichier[0], s = zoneFichier[1], w = zoneFichier[2], e = zoneFichier[3];
        zoneLue = vZone(n, s, w, e);
        lignesRefusees += !zoneLue;
    }
    lecture = false;
    vEcrire(0);
}

// Each line a keyword decides; a value that cannot be taken whole leaves
// the request as it was, and its line is counted with the lines refused.
// A value is taken only from a line without a control octet: a NUL would
// cut it short into another value.
void requete::vLireLigneGrib()
{
    const std::string& l = ligne;
    const MotCle mot = motCle(l);
    double v[3];
    if (mot == AUCUN) {
        if (!bLigneSansValeur(l))
            ++lignesRefusees, vJournalRefus("ligne inconnue ignoree: %.40s\n",
                                            bMotImprimable(l) ? l.c_str() : "(octet de controle)");
    } else if (mot >= PARAMETRES) {
        vLireLigneChoix();  // a word with a control octet is dropped alone
    } else if (!bMotImprimable(l)) {
        ++lignesRefusees, vJournalRefus("ligne refusee (octet de controle): %s\n", MOTS_CLES[mot]);
    } else if (mot == DIMENSIONS) {
        if (bNombres(l, v, 3) && std::isfinite(v[0]) && std::isfinite(v[1]) &&
            std::isfinite(v[2])) {
            centreLatitude = v[0];
            centreLongitude = v[1];
            etendueLatitude = v[2];
        } else {
            ++lignesRefusees, vJournalRefus("dimensions refusees: %.40s\n", l.c_str());
        }
    } else if (mot == AUTOMATISATION) {
        // Never written by a save: the automation sent is the panel's,
        // chosen in view; a file's would go unseen (a deletion of them
        // all for "0").
        ++lignesRefusees;
        vJournalRefus("ligne d'automatisation ignoree: %.40s\n", l.c_str());
    } else if (mot == ZONE) {
        vLireZone();
    } else if (mot == DOMAINE) {
        const std::string d = valeur(l, 10);
        if (d.empty())
            ligneDomaine = "D", modele = 0;
        else if (!vSetDomaine(d.c_str()))
            ++lignesRefusees;
    } else {
        vLireLigneChoix();
    }
}

// A zone as the page draws one: north above south, east beyond west.
void requete::vLireZone()
{
    double v[4];
    if (!bNombres(ligne, v, 4)) {
        ++lignesRefusees, vJournalRefus("zone illisible: %.60s\n", ligne.c_str());
    } else if (!(v[0] > v[1] && v[3] > v[2])) {
        ++lignesRefusees, vJournalRefus("zone refusee: %g %g %g %g\n", v[0], v[1], v[2], v[3]);
    } else if (iSetZone(v[0], v[1], v[2], v[3]) != 0) {
        ++lignesRefusees;
    } else {
        zoneLue = true;
        std::copy(v, v + 4, zoneFichier);
    }
}

// The lines of the choices that follow the domain and the mesh.
void requete::vLireLigneChoix()
{
    const std::string& l = ligne;
    switch (motCle(l)) {
    case MAILLE: {
        const std::string m = valeur(l, 9);
        if (m.empty())
            ligneMaille = "M";
        else if (!vSetMaille(m.c_str()))
            ++lignesRefusees;
        break;
    }
    case CAPVITESSE: {
        const std::string t = valeur(l, 11);
        int c = 0;
        double v = 0;
        if (t.empty() || t == "V")
            ligneCapVitesse = "V";
        else if (bLigneCapValide(t, c, v))
            vSetCapVitesse(c % 360, v);  // the page's course field stops at 359
        else
            ++lignesRefusees, vJournalRefus("capvitesse refuse: %.40s\n", t.c_str());
        break;
    }
    case COMPRESSION: {
        const std::string t = valeur(l, 12);
        if (t.empty() || bLigneCompressionValide(t))
            ligneCompression = t.empty() ? "C" : t;
        else
            ++lignesRefusees, vJournalRefus("compression refusee: %.40s\n", t.c_str());
        break;
    }
    case TERREMER: {
        const std::string t = valeur(l, 9);
        if (bLigneTerreValide(t))
            ligneTerre = t;
        else
            ++lignesRefusees, vJournalRefus("terremer refuse: %.40s\n", t.c_str());
        break;
    }
    case PARAMETRES: vMots(parametres, l, 11, bParametreDuModele); break;
    case ECHEANCES:
        vMots(echeances, l, 10, bEcheance);
        modeValidites = 0;
        break;
    case VALIDITES:
        vMots(validites, l, 10, bValidite);
        modeValidites = 1;
        break;
    default: break;
    }
}
