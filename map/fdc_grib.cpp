// The displayed-field list of a viewer map: private copies of the file's
// records of the pressed parameters at the pressed validity, each followed
// by the records that complete it, decoded, with the wind and current
// directions and speeds derived, and the rain as totals since the run and
// the amounts of each step.
#include "map/fdc.h"

#include "gribdata/champ_grib.h"
#include "gribdata/enregistrement_grib.h"
#include "gribdata/globales.h"
#include "gribdata/projections.h"
#include "gribdata/serie_grib.h"
#include "map/echelles_couleurs.h"
#include "map/pluie_affichee.h"
#include "ui/boutons.h"

#include <cstdint>

namespace {

// The records appended after each record of a pressed parameter.
struct Completion {
    int parametre, premier, second;
};
const Completion COMPLETIONS[] = {
    {33, 34, 0},     {49, 50, 0},     {101, 102, 103}, {104, 105, 106},
    {107, 202, 108}, {109, 203, 110}, {200, 100, 201},
};

long lDonnee(const classeBoutonImage* b)
{
    return long(reinterpret_cast<intptr_t>(b->user_data()));
}

// The first pressed validity, or -1.
long lValiditeChoisie(classeBoutonImage** boutons)
{
    for (; boutons && *boutons; ++boutons)
        if ((*boutons)->value())
            return lDonnee(*boutons);
    return -1;
}

class Liste {
public:
    explicit Liste(grib*& tete) : fin_(&tete) {}
    // Appends a copy of the record that owns nothing yet.
    void copier(const grib* r)
    {
        grib* c = new grib(*r);
        c->suivant = nullptr;
        c->champ = nullptr;
        c->isoplagesChamp = c->isoplagesPluie = nullptr;
        c->drapeaux = 0;
        *fin_ = c;
        fin_ = &c->suivant;
    }
    // Appends a copy of every record of the file with that parameter and
    // validity, each followed by the records that complete it. A u record
    // and its v record are one vector: at one level too, so that each u
    // of a parameter given at several levels is followed by its own v (a
    // wave system's parts go by their validity alone).
    void ajouter(const grib* fichier, int parametre, long validite, const grib* complete = nullptr)
    {
        for (const grib* r = fichier; r; r = r->suivant) {
            if (r->parametre != parametre || long(r->validite) != validite ||
                (complete && bComposanteU(complete->parametre) &&
                 iNiveauSerie(*r) != iNiveauSerie(*complete)))
                continue;
            copier(r);
            for (const Completion& c : COMPLETIONS)
                if (!complete && c.parametre == parametre) {
                    ajouter(fichier, c.premier, validite, r);
                    if (c.second)
                        ajouter(fichier, c.second, validite, r);
                }
        }
    }

private:
    grib** fin_;
};

// Answers why the first record is refused, when it is; `lacune` tells
// why the first later one is.
RefusGrib vDecoder(grib* liste, RefusGrib& lacune)
{
    RefusGrib refus;
    for (grib* r = liste; r; r = r->suivant) {
        r->champ = new Grib();
        if (const int code = iDecoderEnregistrement(*r->champ, *r)) {
            RefusGrib& raison = r == liste ? refus : lacune;
            if (!raison.code)
                raison = refusChamp(code, *r->champ, *r);
            delete r->champ;
            r->champ = nullptr;
        }
    }
    return refus;
}

size_t nPoints(const Grib& g)
{
    return size_t(g.ni) * size_t(g.nj);
}

bool bMemeGrille(const Grib& a, const Grib& b)
{
    return a.ni == b.ni && a.nj == b.nj;
}

// Direction into u's display values, speed in knots into v's.
void vDirectionVitesse(Grib& u, Grib& v)
{
    const size_t n = nPoints(u);
    delete[] u.valeurs2;
    delete[] v.valeurs2;
    u.valeurs2 = new float[n];
    v.valeurs2 = new float[n];
    for (size_t k = 0; k < n; ++k) {
        if (u.valeurs[k] == GRIB_ABSENT) {
            u.valeurs2[k] = v.valeurs2[k] = GRIB_ABSENT;
            continue;
        }
        float vitesse;
        vInlineUVDF(u.valeurs[k], v.valeurs[k], u.valeurs2[k], vitesse);
        v.valeurs2[k] = vitesse * 3600.0f / 1852.0f;
    }
}

// A u record with its v record on a grid of the same size; any other
// pair derives nothing, and says why (a v record that did not decode has
// said it already).
void vDeriverVecteur(grib& r, RefusGrib& lacune)
{
    const grib* v = pComposanteV(r);
    const bool sansV = !v;
    if (!sansV && !v->champ)
        return;
    if (!sansV && bMemeGrille(*r.champ, *v->champ)) {
        vDirectionVitesse(*r.champ, *v->champ);
        return;
    }
    vJournal("<FDCGRIB>", "parametre %d : %s\n", r.parametre,
             sansV ? "sans composante V" : "grilles U et V de tailles differentes");
    if (!lacune.code) {
        lacune.code = sansV ? REFUS_SANS_V : REFUS_GRILLES_UV;
        lacune.parametre = r.parametre;
    }
}

void vDeriver(grib* liste, RefusGrib& lacune)
{
    for (grib* r = liste; r && r->champ; r = r->suivant) {
        const int p = r->champ->parametre;
        if (bComposanteU(p))
            vDeriverVecteur(*r, lacune);
        else if (p == 61)
            vPluieAffichee(*r);
    }
}

}  // namespace

void fdc::vGrib(grib* liste, classeBoutonImage** parametres,
                classeBoutonImage** validites, Fl_Box* titre, Fl_Box* second, Fl_Box* droite,
                Fl_Box* gauche)
{
    if (!liste) {
        if (gribListe)
            vEtiqueterGrib();
        else if (refus.code)
            vEtiqueterRefus();
        return;
    }
    gribListe = liste;
    gribParametres = parametres;
    gribValidites = validites;
    boiteTitre = titre, boiteSeconde = second, boiteDroite = droite, boiteGauche = gauche;
    const long validite = lValiditeChoisie(validites);
    vGribFree(0);
    Liste copies(champs);
    for (classeBoutonImage** b = parametres; b && *b; ++b)
        if ((*b)->value())
            copies.ajouter(liste, int(lDonnee(*b)), validite);
    lacune = RefusGrib{};
    refus = vDecoder(champs, lacune);
    vDeriver(champs, lacune);
    vEtiqueterGrib();
    vRelireValeurs();
}

void fdc::vRefuserFichier(const RefusGrib& r, Fl_Box* titre, Fl_Box* second, Fl_Box* droite,
                          Fl_Box* gauche)
{
    vOublierGrib();
    boiteTitre = titre, boiteSeconde = second, boiteDroite = droite, boiteGauche = gauche;
    refus = r;
    vEtiqueterRefus();
    vRelireValeurs();
}

void fdc::vOublierGrib()
{
    vGribFree(0);
    gribListe = nullptr;
    gribParametres = gribValidites = nullptr;
    refus = lacune = lacuneFichier = RefusGrib{};
}
