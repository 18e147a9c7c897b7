#include "shell/transfert.h"

#include "shell/demarrage.h"
#include "shell/globales_shell.h"
#include "shell/verrou.h"
#include "codes/texte_journal.h"
#include "gribdata/globales.h"
#include "gribdata/ouverture_ordinaire.h"
#include "gribdata/remplacement.h"
#include "transport/genre_recu.h"

#include <FL/filename.H>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

char* pcNomTransfert(char* argument)
{
    char* nom = const_cast<char*>(fl_filename_name(argument));
    char* date = std::strstr(nom, ".20");
    return date ? date + 1 : nom;
}

void vCouperFinsDeLigne(char* argument)
{
    const size_t n = std::strlen(argument);
    auto finDeLigne = [](char c) { return c == '\n' || c == '\r'; };
    if (n >= 1 && finDeLigne(argument[n - 1]))
        argument[n - 1] = 0;
    if (n >= 2 && finDeLigne(argument[n - 2]))
        argument[n - 2] = 0;
}

bool bNomTransfertAcceptable(const char* nom)
{
    if (!nom || !*nom || nom[0] == '.' || std::strchr(nom, '/'))
        return false;
    const size_t n = std::strlen(nom);
    return n <= NAME_MAX && (n < 4 || std::strcmp(nom + n - 4, ".tmp") != 0);
}

int iCheminsTransfert(const char* nom)
{
    // "<name>.tmp" must itself be a valid file name.
    const int n = std::strlen(nom) + 4 <= NAME_MAX
                      ? std::snprintf(strOpenLocktmpfilefile, sizeof strOpenLocktmpfilefile,
                                      "lockdir%s%s.tmp", "/", nom)
                      : std::snprintf(strOpenLocktmpfilefile, sizeof strOpenLocktmpfilefile,
                                      "lockdir%s.transfert%ld.tmp", "/", long(getpid()));
    const int m = std::snprintf(strOpenLockfilefile, sizeof strOpenLockfilefile, "lockdir%s%s",
                                "/", nom);
    if (n < 0 || m < 0 || size_t(n) >= sizeof strOpenLocktmpfilefile ||
        size_t(m) >= sizeof strOpenLockfilefile) {
        strOpenLocktmpfilefile[0] = strOpenLockfilefile[0] = 0;
        return -1;
    }
    return 0;
}

namespace {

bool lancementNote = false;
std::string dossierLancement;

// The argument named from the launch folder; empty when that folder is
// unknown.
std::string cheminArgument(const char* argument)
{
    if (argument[0] == '/')
        return argument;
    std::string base = dossierLancement;
    char courant[PATH_MAX];
    if (!lancementNote && getcwd(courant, sizeof courant))
        base = courant;
    return base.empty() ? "" : base + "/" + argument;
}

// Why the argument was refused, for the log once it is open.
std::string refus;

bool bRefuser(const std::string& pourquoi)
{
    refus = pourquoi;
    std::fprintf(stderr, "ATTENTION %s\n", pourquoi.c_str());
    return false;
}

const std::string TROP_GROS = "fichier trop gros";

// Copies what `source` holds into `cible`, refusing it past `maximum`
// octets: a file still growing is read no further than one block past.
// Empty when copied, else why not.
std::string sCopier(int source, int cible, long long maximum)
{
    std::vector<char> bloc(64 * 1024);
    long long copies = 0;
    for (;;) {
        const ssize_t lus = read(source, bloc.data(), bloc.size());
        if (lus < 0 && errno == EINTR)
            continue;
        if (lus <= 0)
            return lus == 0 ? "" : std::string("lecture impossible (") + std::strerror(errno) + ")";
        copies += lus;
        if (copies > maximum)
            return TROP_GROS;
        if (!bEcrireTout(cible, bloc.data(), size_t(lus)))
            return std::string("copie impossible (") + std::strerror(errno) + ")";
    }
}

// The argument as every reader of a file from outside takes it: opened
// once without blocking, a regular file only, no larger than the reader
// of its kind opens, copied from that one opening under the temporary
// name. Empty when it is there whole, else why not (nothing left).
std::string sCopierArgument(const std::string& source, long long maximum)
{
    bool refuse = false;
    const Descripteur f{iOuvrirOrdinaire(source.c_str(), refuse)};
    if (f.fd < 0)
        return refuse ? "pas un fichier ordinaire"
                      : std::string("copie impossible (") + std::strerror(errno) + ")";
    struct stat st;
    if (fstat(f.fd, &st) != 0 || st.st_size > maximum)
        return TROP_GROS;
    Descripteur tmp{open(strOpenLocktmpfilefile,
                         O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                         0666)};
    if (tmp.fd < 0)
        return std::string("copie impossible (") + std::strerror(errno) + ")";
    std::string erreur = sCopier(f.fd, tmp.fd, maximum);
    // A full disk may show only when the file is closed.
    const int fd = tmp.fd;
    tmp.fd = -1;
    if (close(fd) != 0 && erreur.empty())
        erreur = std::string("copie impossible (") + std::strerror(errno) + ")";
    if (!erreur.empty())
        unlink(strOpenLocktmpfilefile);
    return erreur;
}

// Puts the file into lockdir/ under its hand-over name; true when it is
// really there under its final name. A name the incoming scan would not
// file is refused here: it would be deleted there.
bool bDeposer(const char* argument, const char* nom)
{
    refus.clear();
    if (!bNomTransfertAcceptable(nom) || iCheminsTransfert(nom) != 0)
        return bRefuser(std::string("nom de fichier inutilisable: ==") + nom + "==");
    const long long maximum = llTailleGenreMax(genreRecu(nom));
    if (maximum <= 0)
        return bRefuser(std::string("type de fichier inconnu: ==") + nom + "==");
    const std::string source = cheminArgument(argument);
    const std::string erreur =
        source.empty() ? "copie impossible" : sCopierArgument(source, maximum);
    if (!erreur.empty())
        return bRefuser(erreur + ": " + argument);
    if (std::rename(strOpenLocktmpfilefile, strOpenLockfilefile) != 0) {
        std::remove(strOpenLocktmpfilefile);
        return bRefuser(std::string("renommage impossible de ") + strOpenLocktmpfilefile);
    }
    return true;
}

}  // namespace

void vNoterDossierLancement(const char* dossier)
{
    lancementNote = dossier != nullptr;
    dossierLancement = dossier ? dossier : "";
}

int iTransfertFichier(int argc, char** argv)
{
    if (argc != 2 || !argv[1] || !argv[1][0])
        return 0;
    char* argument = argv[1];
    OPEN_GRIB_FILE = pcNomTransfert(argument);
    std::printf("Argument \xC3\xA0 l'appel: ==%s==\n", fl_filename_name(argument));
    vCouperFinsDeLigne(argument);
    if (!argument[0] || !bDeposer(argument, OPEN_GRIB_FILE))
        return 0;
    if (bInstanceEnCours("etc/lockfile"))
        return 1;
    struct stat st;
    if (stat("etc/lockfile", &st) == 0)
        std::printf("fichier lockfile abandonne: lancement normal\n");
    return 0;
}

void vJournalTransfert()
{
    if (!refus.empty())
        vJournal("<TORMASKEL2>", "fichier non transmis: %s\n", sTexteJournal(refus).c_str());
    refus.clear();
}
