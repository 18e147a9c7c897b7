#include "routes/classe_route.h"

#include "routes/loxodromie.h"
#include "routes/orthodromie.h"

#include "ui/gestion_interfaces.h"
#include "ui/local.h"

#include <FL/Fl_Double_Window.H>

#include <cstring>
#include <string>

classeRoute::classeRoute() : compteurs{}, packPositions(nullptr), scrollOnglet(nullptr)
{
    initialisation();
}

classeRoute::classeRoute(const char* texte) : classeRoute()
{
    vNommer(texte);
}

classeRoute::classeRoute(const char* texte, int n) : classeRoute()
{
    if (!texte)
        return;
    vNommer((std::string(texte) + " " + std::to_string(n)).c_str());
}

classeRoute::classeRoute(const char* texte, long date, double latitude, double longitude,
                         double v, double c)
    : classeRoute(texte)
{
    classePosition* p = new classePosition(0);
    nouvelle_structure()->position = p;
    p->set(latitude, longitude);
    p->set(date);
    p->vitesse = v;
    p->cap = c;
}

classeRoute::~classeRoute()
{
    clear();
}

void classeRoute::vNommer(const char* texte)
{
    nom[0] = 0;
    if (!texte)
        return;
    const int n = iCoupeUtf8(texte, ROUTE_NOM_TAILLE - 1);
    std::memcpy(nom, texte, n);
    nom[n] = 0;
}

void classeRoute::initialisation()
{
    nom[0] = 0;
    visible = actif = symbole = style = taille = texte = vitesseFixe = histogramme = 0;
    couleur = ROUTE_COULEUR_DEFAUT;
    routeEcheances = routeComplete = routeCourante = nullptr;
    modifiee = 0;
    dateEcheance = 0;
    histogrammes = nullptr;
    grilleCompagnon_ = nullptr;
    enregistrementsCompagnon_ = 0;
    validitesCompagnon_ = 0;
    totalOrtho = totalLoxo = 0;
    dernierNumero = 0;
    courant = premier = derniere_ = nullptr;
}

structurePosition* classeRoute::nouvelle_structure()
{
    premier = courant = derniere_ = new structurePosition{nullptr, nullptr, nullptr};
    return premier;
}

void classeRoute::vLibererCompagnon(classeRoute*& compagnon)
{
    delete compagnon;  // its destructor clears it
    compagnon = nullptr;
}

void classeRoute::vDonnerAspect(classeRoute& r) const
{
    r.visible = visible;
    r.symbole = symbole;
    r.style = style;
    r.taille = taille;
    r.texte = texte;
    r.couleur = couleur;
}

void classeRoute::clear()
{
    vLibererCompagnon(routeEcheances);
    vLibererCompagnon(routeComplete);
    vLibererCompagnon(routeCourante);
    for (structurePosition* c = premier; c;) {
        structurePosition* suivant = c->suivant;
        delete c->position;
        delete c;
        c = suivant;
    }
    premier = courant = derniere_ = nullptr;
    vSupprimerHistogrammes();
}

void classeRoute::vSupprimerHistogrammes()
{
    // The window goes through its virtual destructor, with its charts; the
    // window menu must not keep an entry for it.
    if (!histogrammes)
        return;
    vDetruireFenetre(histogrammes);
    if (!gestion_interfaces::fermeture)
        gestion_interfaces::menu();
}

structurePosition* classeRoute::trouver(int i)
{
    courant = premier;
    for (int pas = 0; courant && pas < i && courant->suivant; ++pas, ++PasDeListes)
        courant = courant->suivant;
    return courant;
}

long PasDeListes = 0;

classePosition* classeRoute::position(int index)
{
    structurePosition* c = premier;
    for (int pas = 0; c && pas < index; ++pas, ++PasDeListes)
        c = c->suivant;
    return c && index >= 0 ? c->position : nullptr;
}

void classeRoute::distances(classePosition* depart, classePosition* arrivee)
{
    arrivee->ortho = orthodromie(depart, arrivee);
    totalOrtho += arrivee->ortho;
    arrivee->loxo = loxodromie(depart, arrivee);
    totalLoxo += arrivee->loxo;
}

namespace {

double dCumul(const structurePosition* c, int n, double classePosition::*champ)
{
    double somme = 0;
    for (; c && c->position->numero <= n; c = c->suivant, ++PasDeListes)
        somme += c->position->*champ;
    return somme;
}

}  // namespace

double classeRoute::cumulOrtho(int n)
{
    return dCumul(premier, n == -1 ? dernierNumero : n, &classePosition::ortho);
}

double classeRoute::cumulLoxo(int n)
{
    return dCumul(premier, n == -1 ? dernierNumero : n, &classePosition::loxo);
}
