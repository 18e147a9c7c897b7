// Building the Metarea tree from its tables, and freeing it.
#include "catalogue/metareas.h"

#include "catalogue/table_metareas.h"

#include <cstring>

TYPEDEF_LISTE_METAREA* GMDSS = nullptr;

namespace {

// A copy in a buffer of exactly its size; null stays null.
char* pcCopie(const char* texte)
{
    if (!texte)
        return nullptr;
    const size_t n = std::strlen(texte) + 1;
    char* copie = new char[n];
    std::memcpy(copie, texte, n);
    return copie;
}

// A new cell at the end of a list whose last cell is `courant`.
void vAjouterMaillon(TYPEDEF_MAILLON*& premier, TYPEDEF_MAILLON*& courant,
                     TYPEDEF_SOUS_ZONE* element)
{
    TYPEDEF_MAILLON* m = new TYPEDEF_MAILLON{element, nullptr};
    if (!premier)
        premier = m;
    else
        courant->suivant = m;
    courant = m;
}

void vAjouterSommet(TYPEDEF_SOUS_ZONE& z, double lat, double lon)
{
    TYPEDEF_SOMMET* s = new TYPEDEF_SOMMET{lat, lon, nullptr};
    if (!z.sommets_premier)
        z.sommets_premier = s;
    else
        z.sommets_courant->suivant = s;
    z.sommets_courant = s;
}

void vAjouterTrace(TYPEDEF_SOUS_ZONE& z, const TraceMetarea& t)
{
    for (int i = 0; i < t.nombre; ++i) {
        vAjouterSommet(z, t.segments[i].lat1, t.segments[i].lon1);
        vAjouterSommet(z, t.segments[i].lat2, t.segments[i].lon2);
    }
}

void vNommer(TYPEDEF_SOUS_ZONE& z, const char* nom, const char* nom2, const char* nom3)
{
    z.nom = pcCopie(nom);
    z.nom2 = pcCopie(nom2);
    z.nom3 = pcCopie(nom3);
}

char** ppcBulletins(const char* const (&bulletins)[METAREA_BULLETINS])
{
    int n = 0;
    while (n < METAREA_BULLETINS && bulletins[n])
        ++n;
    if (n == 0)
        return nullptr;
    char** copie = new char*[n + 1];
    for (int i = 0; i < n; ++i)
        copie[i] = pcCopie(bulletins[i]);
    copie[n] = nullptr;
    return copie;
}

TYPEDEF_SOUS_ZONE* pSousZone(const LigneSousZone& l, const PlaceSousZone& p)
{
    TYPEDEF_SOUS_ZONE* z = new TYPEDEF_SOUS_ZONE;
    vNommer(*z, l.nom, l.nom2, l.nom3);
    z->style = l.style;
    z->lat = p.lat, z->lon = p.lon, z->largeur = p.largeur;
    vAjouterTrace(*z, p.trace);
    return z;
}

TYPEDEF_METAREA* pMetareaLigne(const LigneMetarea& l, const LigneSousZone* sousZones,
                               const PlaceSousZone* places)
{
    TYPEDEF_METAREA* m = new TYPEDEF_METAREA;
    vNommer(*m, l.nom, l.nom2, l.nom3);
    m->couleur = l.couleur, m->numero = l.numero;
    m->bulletins = ppcBulletins(l.bulletins);
    m->lat = l.lat, m->lon = l.lon;
    m->nord = l.nord, m->sud = l.sud, m->ouest = l.ouest, m->est = l.est;
    vAjouterTrace(*m, l.contour);
    for (int i = 0; i < l.sousZones; ++i)
        vAjouterMaillon(m->sous_zones_premier, m->sous_zones_courant,
                        pSousZone(sousZones[i], places[i]));
    return m;
}

// Everything a record owns, not the record.
void vLibererContenu(TYPEDEF_SOUS_ZONE& z)
{
    for (TYPEDEF_SOMMET* s = z.sommets_premier; s;) {
        TYPEDEF_SOMMET* suivant = s->suivant;
        delete s;
        s = suivant;
    }
    delete[] z.nom;
    delete[] z.nom2;
    delete[] z.nom3;
    if (z.bulletins) {
        for (char** b = z.bulletins; *b; ++b)
            delete[] *b;
        delete[] z.bulletins;
    }
}

void vLibererMetarea(TYPEDEF_METAREA* m)
{
    for (TYPEDEF_MAILLON* c = m->sous_zones_premier; c;) {
        TYPEDEF_MAILLON* suivant = c->suivant;
        vLibererContenu(*c->element);
        delete c->element;
        delete c;
        c = suivant;
    }
    vLibererContenu(*m);
    delete m;
}

}  // namespace

TYPEDEF_LISTE_METAREA* Metareas()
{
    TYPEDEF_LISTE_METAREA* arbre = new TYPEDEF_LISTE_METAREA;
    int premiere = 0;  // the area's first sub-area row
    for (int i = 0; i < NOMBRE_METAREAS; ++i) {
        const LigneMetarea& l = METAREAS[i];
        vAjouterMaillon(arbre->premier, arbre->courant,
                        pMetareaLigne(l, SOUS_ZONES + premiere, PLACES_SOUS_ZONES + premiere));
        premiere += l.sousZones;
    }
    return arbre;
}

void vLibererMetareas(TYPEDEF_LISTE_METAREA* arbre)
{
    if (!arbre)
        return;
    for (TYPEDEF_MAILLON* c = arbre->premier; c;) {
        TYPEDEF_MAILLON* suivant = c->suivant;
        vLibererMetarea(pMetarea(c));
        delete c;
        c = suivant;
    }
    delete arbre;
}

TYPEDEF_METAREA* pMetareaNumero(const TYPEDEF_LISTE_METAREA* arbre, int numero)
{
    if (!arbre || numero == 0)
        return nullptr;
    for (const TYPEDEF_MAILLON* c = arbre->premier; c; c = c->suivant)
        if (pMetarea(c)->numero == numero)
            return pMetarea(c);
    return nullptr;
}
