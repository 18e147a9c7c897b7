#include "transport/scan.h"

#include "codes/texte_journal.h"
#include "gribdata/globales.h"
#include "gribdata/interpolation.h"
#include "map/chargement_fonds.h"
#include "map/satellite.h"
#include "ui/alerte_differee.h"
#include "ui/gestion_interfaces.h"
#include "ui/local.h"
#include "ui/ouvertures.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>
#include <FL/filename.H>
#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const ETIQUETTE = "<SCAN>";

void vImage(const char* chemin, int droite, int haut)
{
    pOuvrirImage(chemin, droite, haut);
}

// A received bulletin opens read-only.
void vTexte(const char* chemin, int x, int y, int w, int h)
{
    pOuvrirTexte(chemin, x, y, w, h, 1);
}

// The received GRIB file's name, which OPEN_GRIB_FILE points at: a name
// of the listing, which is freed at the end of the pass.
char nomRecu[NAME_MAX + 1];

// Names whose move failed: logged once, not at every pass.
std::set<std::string> signales;

const char* const NON_OUVERTS =
    CLE_LOCAL("Trop de fenetres ouvertes : les fichiers recus sont classes sans etre ouverts");

// "<file> : <why>", in the running language. The box is opened later, from
// the main loop: the scan that files goes on meanwhile, whoever reads it.
void vAvisNonOuverts(const char* chemin)
{
    vAlerteDifferee(std::string(chemin) + " : " + pcTraduire(NON_OUVERTS));
}

// The first received file filed unopened, the window registry being full:
// the user is told once while the registry stays full.
std::string nonOuvert;
bool nonOuvertsDits = false;

void vDireNonOuverts()
{
    if (nonOuvert.empty())
        return;
    const std::string chemin = nonOuvert;
    nonOuvert.clear();
    nonOuvertsDits = true;
    if (crochetsScan.nonOuverts)
        crochetsScan.nonOuverts(chemin.c_str());
}

// Text windows open 20 pixels right of and below the previous one, from
// one pass to the next; after ten the cascade starts over.
const int CASCADE = 10;
int cascade = 0;

struct Passe {
    int x = 0, y = 0, w = 0;

    bool bDeplacer(const std::string& liste, const std::string& source, const std::string& cible)
    {
        if (iDeplacerFichier(source.c_str(), cible.c_str()) == 0) {
            signales.erase(liste);
            return true;
        }
        if (signales.insert(liste).second)
            vJournal(ETIQUETTE, "%s reste dans lockdir: %s vers %s impossible (%s)\n",
                     sTexteJournal(liste).c_str(), sTexteJournal(source).c_str(),
                     sTexteJournal(cible).c_str(), std::strerror(errno));
        return false;
    }

    // The first of pages 1 to 8 that shows no file, else page 9.
    static int iPageLibre()
    {
        for (int page = 1; page <= 8; ++page)
            if (!crochetsScan.pageOccupee || !crochetsScan.pageOccupee(page))
                return page;
        return 9;
    }

    // The folder's own name for the file: a file filed there earlier is
    // never replaced.
    static std::string sClasser(const char* liste, const std::string& dossier,
                                const std::string& nom)
    {
        const std::string libre = sNomLibre(dossier, nom);
        if (libre != nom)
            vJournal(ETIQUETTE, "%s: %s/%s existe deja, classe sous %s\n",
                     sTexteJournal(liste).c_str(), dossier.c_str(), sTexteJournal(nom).c_str(),
                     sTexteJournal(libre).c_str());
        return dossier + "/" + libre;
    }

    // Each received text or picture opens a window of its own, registered
    // so that the end of the program closes it: past what the registry
    // holds, the file is filed and not opened.
    static bool bPlaceFenetre(const std::string& liste, const std::string& cible)
    {
        if (!gestion_interfaces::bPlein()) {
            nonOuvertsDits = false;
            return true;
        }
        vJournal(ETIQUETTE, "%s classe sous %s, non ouvert: registre des fenetres plein\n",
                 sTexteJournal(liste).c_str(), sTexteJournal(cible).c_str());
        if (nonOuvert.empty() && !nonOuvertsDits)
            nonOuvert = cible;
        return false;
    }

    void vGrib(const std::string& liste, const std::string& source, const std::string& recu)
    {
        if (GRIB_INTERPOLATION_START.load() != 0)
            return;
        const std::string cible = sClasser(liste.c_str(), pcDossierGenre(RECU_GRIB), recu);
        if (!bDeplacer(liste, source, cible))
            return;
        const std::string nom = cible.substr(4);
        std::snprintf(nomRecu, sizeof nomRecu, "%s", nom.c_str());
        OPEN_GRIB_FILE = nomRecu;
        const int page = iPageLibre();
        vJournal(ETIQUETTE, "%s vers la page %d\n", sTexteJournal(nomRecu).c_str(), page);
        if (crochetsScan.ouvrirGrib)
            crochetsScan.ouvrirGrib(page);
    }

    // The received picture leaves lockdir/ before it is decoded, and
    // decodes before it replaces globe.jpg; one that does not is kept as
    // globe.jpg.bad and the current picture stays.
    void vSatellite(const std::string& liste, const std::string& source)
    {
        const std::string attente = sAttenteSatellite();
        if (!bDeplacer(liste, source, attente))
            return;
        std::unique_ptr<Fl_RGB_Image> image(pLireSatelliteRecu(attente.c_str()));
        if (!image) {
            vJournal(ETIQUETTE, "%s refusee, globe.jpg garde\n", sTexteJournal(liste).c_str());
            return;
        }
        if (bPoserSatellite(attente.c_str()) && crochetsScan.satellite)
            crochetsScan.satellite(image.release());
    }

    // The listed name is the source; the name less a trailing line end
    // (the last character, then the one before) is what the file becomes.
    void vRecu(const char* liste)
    {
        const std::string source = std::string("lockdir/") + liste;
        struct stat st;
        if (liste[0] == '.' || stat(source.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
            return;
        // A FIFO or a device would hold whoever opens it.
        if (!S_ISREG(st.st_mode)) {
            if (signales.insert(liste).second)
                vJournal(ETIQUETTE, "%s reste dans lockdir: pas un fichier ordinaire\n",
                         sTexteJournal(liste).c_str());
            return;
        }
        std::string nom = liste;
        for (int i = 0; i < 2 && !nom.empty() && (nom.back() == '\n' || nom.back() == '\r'); ++i)
            nom.pop_back();
        const GenreRecu genre = genreRecu(nom.c_str());
        switch (genre) {
        case RECU_SATELLITE: vSatellite(liste, source); break;
        case RECU_IMAGE: {
            const std::string cible = sClasser(liste, pcDossierGenre(genre), nom);
            if (bDeplacer(liste, source, cible) && bPlaceFenetre(liste, cible) &&
                crochetsScan.image)
                crochetsScan.image(cible.c_str(), x + w + 30, y + OUVERTURE_HAUT);
            break;
        }
        case RECU_TEXTE: {
            const std::string cible = sClasser(liste, pcDossierGenre(genre), nom);
            if (!bDeplacer(liste, source, cible) || !bPlaceFenetre(liste, cible) ||
                !crochetsScan.texte)
                break;
            const int decalage = 20 * cascade;
            cascade = (cascade + 1) % CASCADE;
            crochetsScan.texte(cible.c_str(), x + OUVERTURE_GAUCHE + decalage,
                               y + OUVERTURE_HAUT + decalage, 540, 400);
            break;
        }
        case RECU_GRIB: vGrib(liste, source, nom); break;
        case RECU_EN_COURS: break;
        case RECU_AUTRE:
            vJournal(ETIQUETTE, "%s supprime\n", sTexteJournal(liste).c_str());
            unlink(source.c_str());
            break;
        }
    }
};

}  // namespace

char* OPEN_GRIB_FILE = nullptr;
TYPEDEF_CROCHETS_SCAN crochetsScan = {vImage, vTexte, nullptr, nullptr, vInstallerSatellite,
                                      vAvisNonOuverts};

void vScanPasse(const Fl_Window* principale)
{
    if (DEMARRAGE)
        return;
    Passe passe;
    if (principale)
        passe.x = principale->x(), passe.y = principale->y(), passe.w = principale->w();
    dirent** liste = nullptr;
    const int n = fl_filename_list("lockdir", &liste, fl_numericsort);
    for (int i = 0; i < n; ++i) {
        // The toolkit marks folders with a trailing "/".
        const char* nom = liste[i]->d_name;
        if (nom[0] && nom[std::strlen(nom) - 1] != '/')
            passe.vRecu(nom);
    }
    if (n > 0)
        fl_filename_free_list(&liste, n);
    vDireNonOuverts();
}

void scan_newfiles(void* fenetre)
{
    vScanPasse(static_cast<Fl_Window*>(fenetre));
    Fl::repeat_timeout(1.0, scan_newfiles, fenetre);
}
