// A GRIB file in a viewer page: its validities and displayable parameters
// listed, its sections built and its fields displayed. A file with nothing
// to show still takes the page, which says why under the map. The map lets
// go of the shown file's records first: its displayed fields copy them and
// point into its buffer.
#include "pages/vr.h"

#include "gribdata/fichier_grib.h"
#include "gribdata/globales.h"
#include "gribdata/parametres.h"
#include "gribdata/refus_grib.h"
#include "map/fdc.h"
#include "ui/texte_brut.h"

#include <FL/filename.H>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <set>
#include <unistd.h>
#include <vector>

namespace {

const char* const ETIQUETTE = "<VISUALISATEUR>";

const int AFFICHABLES[] = {2, 11, 33, 49, 52, 61, 67, 80, 101, 104, 107, 109, 176, 200};

// Fewer displayable parameters than a page has buttons for: the cap on
// the list below is a guard that no file reaches.
static_assert(std::size(AFFICHABLES) <= VR_PARAMETRES, "a button per displayable parameter");

bool bAffichable(int parametre)
{
    return std::find(std::begin(AFFICHABLES), std::end(AFFICHABLES), parametre) !=
           std::end(AFFICHABLES);
}

// The distinct validities in order of first appearance, and the distinct
// displayable parameters, each list cut at its capacity.
struct Listes {
    std::vector<int> validites;
    std::vector<const TYPEDEF_PARAMETRE*> parametres;

    explicit Listes(const grib* liste)
    {
        std::set<int> vues;
        bool pleineV = false, pleineP = false;
        for (const grib* r = liste; r; r = r->suivant) {
            const int v = int(r->validite);
            if (vues.insert(v).second && !(pleineV = validites.size() == VR_VALIDITES))
                validites.push_back(v);
            if (bAffichable(r->parametre) && !bListe(r->parametre) &&
                !(pleineP = parametres.size() == VR_PARAMETRES))
                parametres.push_back(r->ligneParametre);
        }
        if (pleineV)
            vJournal(ETIQUETTE, "plus de %d validites : les suivantes sont ignorees\n",
                     VR_VALIDITES);
        if (pleineP)
            vJournal(ETIQUETTE, "plus de %d parametres : les suivants sont ignores\n",
                     VR_PARAMETRES);
    }
    bool bListe(int parametre) const
    {
        for (const TYPEDEF_PARAMETRE* p : parametres)
            if (int(p->parametre) == parametre)
                return true;
        return false;
    }
};

}  // namespace

int vr::grib(const char* path, int, int recu)
{
    std::unique_ptr<File> nouveau(new File(path));
    vJournal("<GRIBFILE>", "Grib Open: %d %s \n", fichierCourant, path);
    const Listes l(nouveau->list);
    if (l.validites.empty() || l.parametres.empty()) {
        const RefusGrib refus = refusFichier(*nouveau);
        vViderVisualisateur();
        gribopen(path, nouveau.release());
        vNommerFichier(path, recu);
        carte->vRefuserFichier(refus, boiteTitre, boiteSecond, boiteDroite, boiteGauche);
        vJournal(ETIQUETTE, "page %d : %s ne peut pas etre affiche (refus %d)\n", index, path,
                 refus.code);
        return 0;
    }
    // The map lets go of the old records before they go.
    carte->vGribFree(0);
    carte->gribListe = nullptr;
    carte->lacuneFichier = lacuneFichier(*nouveau);
    gribopen(path, nouveau.release());
    std::fill(std::begin(validites), std::end(validites), -1);
    std::copy(l.validites.begin(), l.validites.end(), validites);
    std::fill(std::begin(parametres), std::end(parametres), nullptr);
    std::copy(l.parametres.begin(), l.parametres.end(), parametres);
    vNommerFichier(path, recu);
    vVisualisateurMenu(int(l.parametres.size()), int(l.validites.size()), 0);
    vAfficher();
    vJournal(ETIQUETTE, "page %d : %s\n", index, etiquette);
    return 1;
}

void vr::vNommerFichier(const char* path, int recu)
{
    // The scan's copy of the interpolation's output is not kept.
    const char* nom = fl_filename_name(path);
    if (recu && std::strncmp(nom, "inter", 5) == 0)
        unlink(path);
    std::snprintf(etiquette, sizeof etiquette, "%s", nom);
    if (titreVisualisateur)
        titreVisualisateur->copy_label(sLibelleBrut(etiquette).c_str());
}

void vr::gribopen(const char* path, File* fichier)
{
    gribclose();
    const size_t n = std::strlen(path) + 1;
    nomsFichiers[fichierCourant] = new char[n];
    std::memcpy(nomsFichiers[fichierCourant], path, n);
    fichiers[fichierCourant] = fichier;
    listeCourante = fichier->list;
}

void vr::gribclose()
{
    // Every way the file goes passes here; its charts go first, while the
    // map's fields still read it.
    if (carte)
        carte->vOublierHistogrammes();
    if (nomsFichiers[fichierCourant] || fichiers[fichierCourant]) {
        delete[] nomsFichiers[fichierCourant];
        delete fichiers[fichierCourant];
        nomsFichiers[fichierCourant] = nullptr;
        fichiers[fichierCourant] = nullptr;
        if (fichierCourant > 0)
            --fichierCourant;
        else
            listeCourante = nullptr;
    }
}

void vr::vAfficher()
{
    if (!carte || !listeCourante)
        return;
    carte->vGrib(listeCourante, boutonsParametres, boutonsValidites, boiteTitre, boiteSecond,
                 boiteDroite, boiteGauche);
    carte->redraw();
}
