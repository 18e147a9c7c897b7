// Reading etc/routes.txt: "@routes", then per route its name, its nine
// attributes, its positions and "@fin"; "@end" last.
#include "routes/routes.h"

#include "routes/attributs_route.h"
#include "routes/classe_route.h"
#include "routes/duree.h"

#include "gribdata/globales.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum { LIGNE_LUE, FIN_FICHIER, LIGNE_FAUTIVE };

// Why the read in progress failed, for its log line.
const char* raison = "";

// One whole line into `ligne`, cut of its trailing carriage returns; a line
// longer than the buffer, or holding a zero byte, is a fault (it would
// otherwise be read as two lines, or as a shorter one).
int iLigne(FILE* f, char* ligne)
{
    int n = 0, retours = 0, ch;
    bool lu = false;
    while ((ch = getc(f)) != EOF && ch != '\n') {
        lu = true;
        if (ch == '\r') {
            retours += retours < ROUTES_LIGNE_TAILLE;
            continue;
        }
        if (ch == 0) {
            raison = "octet nul";
            return LIGNE_FAUTIVE;
        }
        if (n + retours + 1 >= ROUTES_LIGNE_TAILLE) {
            raison = "ligne de plus de 511 caracteres";
            return LIGNE_FAUTIVE;
        }
        for (; retours; --retours)
            ligne[n++] = '\r';
        ligne[n++] = char(ch);
    }
    ligne[n] = 0;
    if (std::ferror(f)) {
        raison = std::strerror(errno ? errno : EIO);
        return LIGNE_FAUTIVE;
    }
    return ch == EOF && !lu ? FIN_FICHIER : LIGNE_LUE;
}

// The attribute line: at least six numbers; `actif` comes back out of edit
// mode, keeping its marked position.
bool bAttributs(const char* ligne, classeRoute& r)
{
    int v[9] = {0, 0, 0, 0, 0, 0, 0, 1, 0};
    unsigned couleur = 0;
    const int n = std::sscanf(ligne, "%d %d %d %u %d %d %d %d %d", &v[0], &v[1], &v[2], &couleur,
                              &v[4], &v[5], &v[6], &v[7], &v[8]);
    if (n < 6)
        return false;
    r.visible = v[0];
    r.actif = v[1] > 0 ? -v[1] : v[1];
    r.symbole = v[2];
    r.couleur = int(couleur);
    r.style = v[4];
    r.taille = v[5];
    r.texte = v[6];
    r.vitesseFixe = v[7];
    r.histogramme = v[8];
    return true;
}

// The date of a position line, read whole: files written before dates
// passed 2106 hold the same digits on 32 bits. A date before 1970, or past
// the latest the route model computes, is held at that bound (logged), so
// that no re-dating overflows. Null when no date begins the line; else
// what follows it.
const char* pcDate(const char* ligne, long& date, const std::string& origine)
{
    char* fin;
    errno = 0;
    const long long lue = std::strtoll(ligne, &fin, 10);
    if (fin == ligne)
        return nullptr;
    date = long(std::clamp<long long>(lue, 0, DATE_ROUTE_MAX));
    if (errno == ERANGE || date != lue)
        vJournal("<ROUTE>", "%s: date %.*s devient %ld\n", origine.c_str(), int(fin - ligne),
                 ligne, date);
    return fin;
}

// A position line, refused off the globe: "%lf" reads "nan" and "inf" too.
bool bPosition(const char* ligne, classeRoute& r, const std::string& origine)
{
    long date;
    double latitude, longitude;
    const char* reste = pcDate(ligne, date, origine);
    if (!reste || std::sscanf(reste, "%lf %lf", &latitude, &longitude) != 2) {
        raison = "position illisible";
        return false;
    }
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::fabs(latitude) > 90) {
        raison = "position hors du globe";
        return false;
    }
    r.append();
    r.set(date, latitude, longitude);
    return true;
}

// The reading of one file into the list, line by line.
class Lecteur {
public:
    Lecteur(Routes& routes, const std::string& chemin) : routes_(routes), chemin_(chemin) {}

    // 1 when read to "@end" or empty.
    int iLire()
    {
        const int etat = iLigne(routes_.fichier, routes_.ligne);
        ++numero;
        if (etat == FIN_FICHIER)
            return 1;
        if (etat != LIGNE_LUE)
            return 0;
        if (std::strcmp(routes_.ligne, "@routes") != 0)
            return iEchec("pas de ligne @routes");
        for (;;) {
            if (!bSuivante())
                return 0;
            if (std::strcmp(routes_.ligne, "@end") == 0)
                return 1;
            if (!bRoute())
                return 0;
        }
    }

    int numero = 0;

private:
    int iEchec(const char* texte)
    {
        raison = texte;
        return 0;
    }

    // The next line; the end of the file is a fault here.
    bool bSuivante()
    {
        ++numero;
        const int etat = iLigne(routes_.fichier, routes_.ligne);
        if (etat == FIN_FICHIER)
            raison = "fin de fichier inattendue";
        return etat == LIGNE_LUE;
    }

    // A route from its name line to its "@fin"; it joins the list at
    // once, so that what was read of it stays after a fault. Its
    // attributes are those the route window offers, also then.
    bool bRoute()
    {
        if (std::strlen(routes_.ligne) > ROUTE_NOM_TAILLE - 1)
            return iEchec("nom de plus de 127 octets");
        classeRoute* r = new classeRoute(routes_.ligne);
        routes_.append(r);
        if (!bSuivante())
            return false;
        if (!bAttributs(routes_.ligne, *r))
            return iEchec("attributs illisibles");
        const std::string attributs = sOrigine();
        const bool lue = bPositions(*r);
        iBornerAttributs(*r, attributs.c_str());
        return lue;
    }

    bool bPositions(classeRoute& r)
    {
        for (;;) {
            if (!bSuivante())
                return false;
            if (std::strcmp(routes_.ligne, "@fin") == 0)
                return true;
            if (!bPosition(routes_.ligne, r, sOrigine()))
                return false;
        }
    }

    // The line just read, for a log line.
    std::string sOrigine() const
    {
        return chemin_ + " ligne " + std::to_string(numero);
    }

    Routes& routes_;
    const std::string chemin_;
};

}  // namespace

int Routes::load()
{
    std::snprintf(ligne, sizeof ligne, "etc%sroutes.txt", "/");
    const std::string chemin = ligne;
    // Never blocks on a FIFO; only a regular file is read.
    const int fd = open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int erreur = fd < 0 ? errno : EINVAL;
        if (fd >= 0)
            close(fd);
        vJournal("<ROUTE>", "lecture impossible de %s: %s\n", chemin.c_str(),
                 std::strerror(erreur));
        // A file there that could not be opened is kept before a save.
        garderAvantEcriture_ = fd < 0 && stat(chemin.c_str(), &st) == 0 && S_ISREG(st.st_mode);
        return 0;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    fichier = fdopen(fd, "r");
    if (!fichier) {
        vJournal("<ROUTE>", "lecture impossible de %s: %s\n", chemin.c_str(), std::strerror(errno));
        close(fd);
        return 0;
    }
    vider();
    raison = "";
    Lecteur lecteur(*this, chemin);
    const int lu = lecteur.iLire();
    std::fclose(fichier);
    fichier = nullptr;
    if (!lu)
        vJournal("<ROUTE>", "%s ligne %d: %s\n", chemin.c_str(), lecteur.numero, raison);
    garderAvantEcriture_ = !lu;
    return lu;
}
