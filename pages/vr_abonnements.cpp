// Where the request page puts its automation panels: the GRIB accordion's
// after the moving zone (rebuilt with the model's sections), the bulletin
// page's under its help pane (borrowed by the image page), and when the
// bulletin panel may be used.
#include "pages/vr.h"

#include "pages/abonnement.h"
#include "pages/dans_groupe.h"
#include "pages/regles_abonnement.h"
#include "ui/aide.h"
#include "ui/boutons.h"
#include "ui/configuration.h"

#include <FL/Fl.H>
#include <FL/Fl_Pack.H>

void vr::vRequeteurGribAbonnement()
{
    if (!packGrib)
        return;
    if (abonnementGrib) {
        packGrib->remove(abonnementGrib);
        Fl::delete_widget(abonnementGrib);
        abonnementGrib = nullptr;
    }
    const int x = packGrib->x(), w = packGrib->w();
    const int y = voletAideGrib ? voletAideGrib->y() + voletAideGrib->h() + 4 : packGrib->y();
    DansGroupe dans(packGrib);
    abonnementGrib = new Abonnement(0, this, x, y, w, ABONNEMENT_HAUTEUR);
    if (voletAideGrib)
        voletAideGrib->resize(x, y + ABONNEMENT_HAUTEUR, w, voletAideGrib->h());
}

void vr::vRequeteurBulletinsAbonnement(int x, int y, int w)
{
    if (abonnementBulletins) {
        if (abonnementBulletins->parent())
            abonnementBulletins->parent()->remove(abonnementBulletins);
        Fl::delete_widget(abonnementBulletins);
        abonnementBulletins = nullptr;
    }
    DansGroupe dans(packBulletins);
    abonnementBulletins = new Abonnement(1, this, x, y + 210, w, ABONNEMENT_HAUTEUR);
    vActiverAbonnementBulletins();
}

void vr::vActiverAbonnementBulletins()
{
    if (!abonnementBulletins)
        return;
    const bool choix = bProduitsChoisis();
    if ((MODE_CONNECTE && MODE_BULL_HTTP) || choix)
        abonnementBulletins->activate();
    else
        abonnementBulletins->deactivate();
}

// Each panel's labels, its title through its state.
void vr::vLangageAbonnements()
{
    for (Abonnement* a : {abonnementGrib, abonnementForfaits, abonnementBulletins})
        if (a)
            a->vLangage();
}
