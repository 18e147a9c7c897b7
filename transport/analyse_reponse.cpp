// The service's answer filed into lockdir/.
#include "transport/reponse.h"

#include "codes/texte_journal.h"
#include "gribdata/globales.h"
#include "map/fdc.h"
#include "map/hote_carte.h"
#include "map/satellite.h"
#include "transport/depot.h"
#include "transport/entete_reponse.h"
#include "transport/genre_recu.h"
#include "transport/service_http.h"
#include "ui/local.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const TAG = "<VISUALISATEUR>";
const char* const CRLF = "\n";
// What the log shows of an answer's text.
const size_t JOURNAL_MAX = 2000;

struct Liberer {
    void operator()(char* p) const { std::free(p); }
};

std::string texte(const char* p, size_t n)
{
    return std::string(p, strnlen(p, n));
}

std::string format(const char* f, long long a, long long b)
{
    char t[128];
    std::snprintf(t, sizeof t, f, a, b);
    return t;
}

void vJournalTexte(const char* entete, const char* p, size_t n)
{
    const std::string t = texte(p, n);
    vJournal(TAG, "%s%.*s%s\n", entete, int(std::min(t.size(), JOURNAL_MAX)), t.c_str(),
             t.size() > JOURNAL_MAX ? " [...]" : "");
}

// Each answer's message is filed: one that arrives while an earlier one
// waits for the scan takes a name beside it.
void vMessage(const std::string& t)
{
    iDeposerAPart("lockdir", NOM_MESSAGE, t.data(), t.size());
}

const char* const NON_ECRIT = CLE_LOCAL("Fichier non ecrit : disque plein ou dossier protege");
const char* const TROP_COURT = CLE_LOCAL("Fichier trop court, non classe");

// A catalogue text for the message file, looked up under the toolkit's
// lock: the GUI thread may reload the catalogue meanwhile.
std::string traduit(const char* cle)
{
    Fl::lock();
    const std::string t = pcTraduire(cle);
    Fl::unlock();
    return t;
}

// The message as the history keeps it: up to 10 octets past its inner
// marker; whole when it has none.
std::string historique(const std::string& message)
{
    const size_t m = message.find(MARQUEUR_REPONSE);
    return m == std::string::npos ? message : message.substr(0, m + 10);
}

// The first page showing (in page order) goes over to the satellite
// picture, and the title bar's base-map buttons follow.
bool bInstallerSatellite(const char* donnees, size_t n)
{
    // Decoded aside, under a staging name of its own, before it replaces
    // globe.jpg; one that does not decode is kept as globe.jpg.bad and
    // leaves the current picture.
    const std::string recu = sAttenteSatellite();
    if (iDeposer(".", recu, donnees, n) != 0)
        return false;
    std::unique_ptr<Fl_RGB_Image> image(pLireSatelliteRecu(recu.c_str()));
    if (!image) {
        vJournal(TAG, "photo satellite refusee, globe.jpg garde\n");
        return false;
    }
    Fl::lock();
    const bool installee = bPoserSatellite(recu.c_str());
    if (installee && !ARRET_TRANSFERTS.load()) {
        vInstallerSatellite(image.release());
        for (int page = 0; page < HOTE_PAGES; ++page) {
            fdc* carte = pCartePage(page);
            if (!carte || !hoteCarte.pageMontree || !hoteCarte.pageMontree(page))
                continue;
            carte->fdcCallback(FDC_SATELLITE, 1);
            carte->redraw();
            if (hoteCarte.titre)
                hoteCarte.titre(carte);
            break;
        }
    }
    Fl::unlock();
    Fl::awake();
    return installee;
}

// A folder the scan can move a file into.
bool bDossierOuvert(const char* dossier)
{
    struct stat st;
    return stat(dossier, &st) == 0 && S_ISDIR(st.st_mode) && access(dossier, W_OK | X_OK) == 0;
}

// The name a bulletin the program could not file is told by: its first
// word, cut when it is long.
std::string nomBulletin(const std::string& mot)
{
    const size_t MONTRE = 64;
    return mot.size() > MONTRE ? mot.substr(0, MONTRE) + "..." : mot;
}

// One answer with its marker at `r` and `reste` octets from there.
struct Analyse {
    const char* r;
    size_t reste;
    EnteteReponse e;
    std::string message;
    bool tronquee = false;
    // The name the data file took, and what the message tells of a data
    // file not filed.
    std::string pris, noteDepot;
    bool noteHistorique = true;

    const char* donnees() const { return r + DEBUT_MESSAGE + size_t(e.lmess); }
    bool bFichier() const { return e.type >= '3' && e.type <= '5'; }
    // The types of the service's format, each of which announces data.
    bool bTypeConnu() const { return e.type >= '1' && e.type <= '5'; }
    // Data under a type the service's format does not have: nothing to
    // file them as.
    bool bTypeInconnu() const { return e.ldata > 0 && !bTypeConnu(); }
    // No data file will hold the message: the answer brought none (a few
    // octets of a file are no file).
    bool bSansFichier() const { return e.ldata < 8; }
    bool bSatellite() const
    {
        return e.type == '2' && (e.nom == "SAT_GLOBE.jpg" || e.nom == "SAT_GLOBE2.jpg");
    }
    // Whole answers only: the data and the final zero are there.
    bool bGmdss() const
    {
        return e.type == '1' && e.ldata >= 13 && std::memcmp(donnees(), "GMDSS_METAREA", 13) == 0;
    }
    // The data become lockdir/<nom>: a file, a picture other than the
    // satellite's, bulletins other than GMDSS ones.
    bool bSousSonNom() const
    {
        return e.type == '2' ? !bSatellite() : bFichier() || (e.type == '1' && !bGmdss());
    }

    void vLireMessage()
    {
        const int64_t total = llTotalDeclare(e);
        tronquee = total > int64_t(reste);
        const size_t present = reste > DEBUT_MESSAGE ? reste - DEBUT_MESSAGE : 0;
        message = texte(r + DEBUT_MESSAGE, std::min(present, size_t(e.lmess)));
        if (!tronquee)
            return;
        vJournal(TAG, "ECHEC : reponse tronquee, %lld octets sur %lld\n",
                 static_cast<long long>(reste), static_cast<long long>(total));
        message += CRLF + format("Transfert incomplet : %lld / %lld octets", (long long)reste,
                                 (long long)total) + CRLF;
    }

    // GMDSS bulletins, one file each; those not filed are named in the
    // message.
    bool bBulletins(std::string& t)
    {
        std::vector<std::string> nonClasses;
        vEclateBulletinsGmdss(t.data(), &nonClasses);
        if (nonClasses.empty())
            return true;
        std::string note = message;
        for (const std::string& mot : nonClasses)
            note += std::string(CRLF) + "Bulletin non classe : \"" + nomBulletin(mot) + "\"";
        vMessage(note + CRLF);
        return false;
    }

    // A name the scan would not file is no success: the data are kept
    // aside in dat/, where nothing deletes them.
    bool bMettreDeCote(const char* d, size_t n)
    {
        vJournal(TAG, "ECHEC : fichier \"%s\" d'un type que le programme ne classe pas\n",
                 sTexteJournal(e.nom).c_str());
        noteDepot = std::string(CRLF) + "Fichier refuse : \"" + e.nom + "\" d'un type inconnu";
        if (iDeposerAPart("dat", e.nom, d, n, &pris) == 0) {
            vJournal(TAG, "%s garde sous dat/%s\n", sTexteJournal(e.nom).c_str(),
                     sTexteJournal(pris).c_str());
            noteDepot += ", garde sous dat/" + pris;
        }
        noteDepot += CRLF;
        return false;
    }

    // The data under the service's name, or beside a namesake waiting in
    // lockdir/ or filed in the folder the scan moves it to: no answer
    // replaces another, and the name told is the one the file keeps. A
    // file the scan could not move out of lockdir/ stays there, and the
    // send is not told a success.
    bool bDeposerFichier(const char* d, size_t n)
    {
        const GenreRecu genre = genreRecu(e.nom.c_str());
        if (genre == RECU_AUTRE || genre == RECU_EN_COURS)
            return bMettreDeCote(d, n);
        const char* dossier = pcDossierGenre(genre);
        if (iDeposerAPart("lockdir", e.nom, d, n, &pris, dossier) != 0) {
            // The message's head names the file the service sent: the
            // message the user keeps says it is not on the disk.
            noteDepot = CRLF + traduit(NON_ECRIT) + " (" + e.nom + ")" + CRLF;
            return false;
        }
        return bSortira(dossier, pris);
    }

    // Whether the scan can move what was filed as `nom` into `dossier`;
    // if not, the file waits in lockdir/ and the message says why.
    bool bSortira(const char* dossier, const std::string& nom)
    {
        if (!dossier || bDossierOuvert(dossier))
            return true;
        vJournal(TAG, "ECHEC : %s reste dans lockdir, %s inaccessible\n",
                 sTexteJournal(nom).c_str(), dossier);
        noteDepot = std::string(CRLF) + "Fichier " + nom + " non classe : dossier " + dossier +
                    " inaccessible" + CRLF;
        return false;
    }

    // The data of a whole, accepted answer, by type; false when what it
    // carried was not all filed.
    bool bDonnees()
    {
        const size_t n = size_t(e.ldata);
        const char* d = donnees();
        if (bSatellite())
            return bInstallerSatellite(d, n);
        if (bGmdss()) {
            std::string t = texte(d, n);
            const bool tous = bBulletins(t);
            return bSortira(pcDossierGenre(RECU_TEXTE), e.nom) && tous;
        }
        if (!bSousSonNom())
            return true;
        if (e.type != '1')
            return bDeposerFichier(d, n);
        const std::string t = texte(d, n) + message;
        return bDeposerFichier(t.data(), t.size());
    }

    // What the message file tells besides the service's message: a name
    // refused, a type unknown, data too short to be a file (the head would
    // name a file that is nowhere). Empty when the data can be filed.
    std::string note(bool nomRefuse) const
    {
        if (e.ldata > 0 && bSansFichier() && bTypeConnu()) {
            vJournal(TAG, "ECHEC : %d octets de donnees ne font pas un fichier\n", e.ldata);
            return CRLF + traduit(TROP_COURT) + " (" + e.nom + ")" + CRLF;
        }
        if (nomRefuse) {
            vJournal(TAG, "ECHEC : nom de fichier refuse : \"%s\"\n",
                     sTexteJournal(e.nom).c_str());
            return std::string(CRLF) + "Fichier refuse : nom \"" + e.nom + "\" inutilisable" + CRLF;
        }
        if (!bTypeInconnu())
            return "";
        const char type = std::isgraph(static_cast<unsigned char>(e.type)) ? e.type : '?';
        vJournal(TAG, "ECHEC : reponse de type inconnu '%c' avec %d octets de donnees\n", type,
                 e.ldata);
        return std::string(CRLF) + "Reponse de type inconnu \"" + type + "\" : " +
               std::to_string(e.ldata) + " octets non classes" + CRLF;
    }

    // The data first, so that the messages name the file as it was
    // filed; then the messages, the refused name or unknown type told in
    // them; a file is noted in the history once it is filed whole.
    IssueReponse iClasser(int& ok)
    {
        if (e.cr == 0) {
            vMessage(message);
            ok = !tronquee;
            return tronquee ? ISSUE_TRONQUEE : ISSUE_REFUSEE;
        }
        const bool inconnu = !tronquee && bTypeInconnu();
        const bool nomRefuse = !tronquee && !inconnu && !bSansFichier() && bSousSonNom() &&
                               !bNomRecuSur(e.nom);
        // A message alone is what the service meant; a few octets of a
        // file are no file.
        if (!tronquee && !inconnu && !nomRefuse && !bSansFichier())
            ok = bDonnees();
        const std::string ajout = (tronquee ? "" : note(nomRefuse)) + noteDepot;
        // The head names a file filed; one that is not is named by its note.
        const std::string tete = ok && bFichier() ? (pris.empty() ? e.nom : pris) +
                                                        format(", %lld bytes/octets", e.ldata, 0) +
                                                        CRLF
                                                  : "";
        // The service's words reach the user: with a data file's head, with
        // what went wrong, or alone when no data file carries them.
        if (!tete.empty() || !ajout.empty() || tronquee || (bSansFichier() && !message.empty()))
            vMessage(tete + message + ajout);
        vJournal(TAG, "taille du message grib:%d (total:%lld)\n", e.ldata,
                 static_cast<long long>(reste));
        if (tronquee)
            return ISSUE_TRONQUEE;
        if (inconnu)
            return ISSUE_ILLISIBLE;
        if (e.ldata == 0)
            return bTypeConnu() ? ISSUE_SANS_DONNEES : ISSUE_CLASSEE;
        if (bSansFichier() || nomRefuse)
            return ISSUE_NON_CLASSEE;
        if (ok && bFichier())
            noteHistorique = iAjouterHistorique(tete + historique(message)) == 0;
        return ok ? ISSUE_CLASSEE : ISSUE_NON_CLASSEE;
    }
};

}  // namespace

AnalyseReponse analyseReponse(char* answer, int length)
{
    std::unique_ptr<char, Liberer> garde(answer);
    AnalyseReponse resultat;
    if (!answer)
        return resultat;
    const size_t n = length > 0 ? size_t(length) : 0;
    const size_t m = iChercherMarqueur(answer, n);
    if (m == std::string::npos) {
        vJournalTexte("", answer, n);
        vMessage(texte(answer, n));
        resultat.ok = 1;
        resultat.issue = ISSUE_SANS_MARQUEUR;
        return resultat;
    }
    if (m > 0)
        vJournalTexte("ATTENTION, reponse Quenbrel, ajout d'informations parasites\n", answer, n);
    else
        vJournal(TAG, "OK, reponse Quenbrel non parasitee\n");
    Analyse a{answer + m, n - m, lireEntete(answer + m, n - m), "", false, "", ""};
    vJournal(TAG, "cr:%d type:%c lmess:%d ldata:%d nom:%s\n", a.e.cr, a.e.type ? a.e.type : '?',
             a.e.lmess, a.e.ldata, sTexteJournal(a.e.nom).c_str());
    if (!bLongueursSures(a.e, DELAIS_HTTP.reponseMax.load())) {
        vJournal(TAG, "ECHEC : entete de reponse illisible (%d champs)\n", a.e.champs);
        vMessage("Reponse du service illisible : \"" +
                 texte(a.r, std::min(a.reste, DEBUT_MESSAGE)) + "\"" + CRLF);
        resultat.issue = ISSUE_ILLISIBLE;
        return resultat;
    }
    resultat.cr = a.e.cr;
    a.vLireMessage();
    resultat.issue = a.iClasser(resultat.ok);
    resultat.acceptee = a.e.cr != 0 && !a.tronquee;
    resultat.historique = a.noteHistorique;
    return resultat;
}

int iAnalyseRequeteHttp(char* answer, int length, int& ok)
{
    const AnalyseReponse a = analyseReponse(answer, length);
    ok = a.ok;
    return a.acceptee ? a.cr : 0;
}

bool bIssueReussie(IssueReponse issue)
{
    return issue == ISSUE_CLASSEE || issue == ISSUE_SANS_DONNEES;
}
