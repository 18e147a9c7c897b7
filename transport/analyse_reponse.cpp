// The service's answer filed into lockdir/.
#include "transport/reponse.h"

#include "gribdata/globales.h"
#include "map/fdc.h"
#include "map/hote_carte.h"
#include "map/satellite.h"
#include "transport/depot.h"
#include "transport/entete_reponse.h"
#include "transport/service_http.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>

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

void vMessage(const std::string& t)
{
    iDeposer("lockdir", "message.txt", t.data(), t.size());
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
void vSatellite(const char* donnees, size_t n)
{
    // Decoded aside, under a name of this thread's own, before it replaces
    // globe.jpg; one that does not decode leaves the current picture.
    const std::string recu =
        "globe.jpg." + std::to_string(std::hash<std::thread::id>()(std::this_thread::get_id()));
    if (iDeposer(".", recu, donnees, n) != 0)
        return;
    std::unique_ptr<Fl_RGB_Image> image(pLireSatellite(recu.c_str()));
    if (!image) {
        vJournal(TAG, "photo satellite refusee, globe.jpg garde\n");
        unlink(recu.c_str());
        return;
    }
    Fl::lock();
    if (std::rename(recu.c_str(), CHEMIN_SATELLITE) != 0) {
        vJournal(TAG, "%s vers %s impossible: %s\n", recu.c_str(), CHEMIN_SATELLITE,
                 std::strerror(errno));
        unlink(recu.c_str());
    } else if (!ARRET_TRANSFERTS.load()) {
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
}

// One answer with its marker at `r` and `reste` octets from there.
struct Analyse {
    const char* r;
    size_t reste;
    EnteteReponse e;
    std::string message;
    bool tronquee = false;

    const char* donnees() const { return r + DEBUT_MESSAGE + size_t(e.lmess); }
    bool bFichier() const { return e.type >= '3' && e.type <= '5'; }

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

    // A data file under the service's name, when the name is a plain one.
    bool bDeposer(const char* octets, size_t n)
    {
        if (bNomRecuSur(e.nom))
            return iDeposer("lockdir", e.nom, octets, n) == 0;
        vJournal(TAG, "ECHEC : nom de fichier refuse : \"%s\"\n", e.nom.c_str());
        vMessage(message + CRLF + "Fichier refuse : nom \"" + e.nom + "\" inutilisable" + CRLF);
        return false;
    }

    // The data of an accepted answer, by type; false when none was filed.
    bool bDonnees()
    {
        const size_t n = size_t(e.ldata);
        const char* d = donnees();
        if (e.type == '2' && (e.nom == "SAT_GLOBE.jpg" || e.nom == "SAT_GLOBE2.jpg")) {
            vSatellite(d, n);
            return true;
        }
        if (e.type == '2' || bFichier())
            return bDeposer(d, n);
        if (e.type != '1')
            return true;
        std::string t = texte(d, n);
        if (t.compare(0, 13, "GMDSS_METAREA") == 0) {
            vEclateBulletinsGmdss(t.data());
            return true;
        }
        t += message;
        return bDeposer(t.data(), t.size());
    }

    int iClasser(int& ok)
    {
        if (e.cr == 0) {
            vMessage(message);
            ok = !tronquee;
            return 0;
        }
        if (bFichier()) {
            const std::string tete = e.nom + format(", %lld bytes/octets", e.ldata, 0) + CRLF;
            vMessage(tete + message);
            iAjouterHistorique(tete + historique(message));
        }
        vJournal(TAG, "taille du message grib:%d (total:%lld)\n", e.ldata,
                 static_cast<long long>(reste));
        if (tronquee && !bFichier())
            vMessage(message);
        if (tronquee || e.ldata < 8)
            return e.cr;
        ok = bDonnees();
        return e.cr;
    }
};

}  // namespace

int iAnalyseRequeteHttp(char* answer, int length, int& ok)
{
    std::unique_ptr<char, Liberer> garde(answer);
    ok = 0;
    if (!answer)
        return 0;
    const size_t n = length > 0 ? size_t(length) : 0;
    const size_t m = iChercherMarqueur(answer, n);
    if (m == std::string::npos) {
        vJournalTexte("", answer, n);
        vMessage(texte(answer, n));
        ok = 1;
        return 0;
    }
    if (m > 0)
        vJournalTexte("ATTENTION, reponse Quenbrel, ajout d'informations parasites\n", answer, n);
    else
        vJournal(TAG, "OK, reponse Quenbrel non parasitee\n");
    Analyse a{answer + m, n - m, lireEntete(answer + m, n - m), "", false};
    vJournal(TAG, "cr:%d type:%c lmess:%d ldata:%d nom:%s\n", a.e.cr, a.e.type ? a.e.type : '?',
             a.e.lmess, a.e.ldata, a.e.nom.c_str());
    if (!bLongueursSures(a.e, DELAIS_HTTP.reponseMax.load())) {
        vJournal(TAG, "ECHEC : entete de reponse illisible (%d champs)\n", a.e.champs);
        vMessage("Reponse du service illisible : \"" +
                 texte(a.r, std::min(a.reste, DEBUT_MESSAGE)) + "\"" + CRLF);
        return 0;
    }
    a.vLireMessage();
    return a.iClasser(ok);
}
