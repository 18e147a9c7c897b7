// The cursor read-out: the values of the displayed fields at the grid
// point under the cursor, in the popup at the right edge of the main
// window; a cursor outside the first field's grid turns the read-out off,
// a validity without a field only hides the popup.
#include "map/fdc.h"

#include "gribdata/enregistrement_grib.h"
#include "map/histogrammes.h"
#include "map/lecture_valeurs.h"
#include "map/popup_overlay.h"

void fdc::mouseValeurs()
{
    // Nothing to read at the validity shown (an animation step to a time
    // without the parameter): the previous time's values must not stay.
    // The read-out stays on for the next time that has a field.
    if (!champs || !champs->champ) {
        vCacherPopupOverlay();
        return;
    }
    const VueCarte vue = vueCarte();
    const double latitude = vue.latitude(curseurY);
    double longitude = vue.longitude(curseurX);
    char texte[LECTURE_TAILLE];
    if (!iLectureValeurs(champs, latitude, longitude, texte, longitude)) {
        if (popupOverlay)
            popupOverlay->hide();
        lecture = 0;
        return;
    }
    if (!popupOverlay)
        return;
    PopupOverlay& popup = *popupOverlay;
    popup.texte[0] = 0;
    popup.set(texte, LECTURE_BRUT);
    popup.vAfficherTexte();
    if (!popup.visible()) {
        popup.show();
        // The chart window stays above the popup.
        if (histogrammes && histogrammeEtat) {
            histogrammes->hide();
            histogrammes->show();
        }
    }
    if (histogrammeMode && !animation)
        vFdcHistogramme(latitude, longitude);
}
