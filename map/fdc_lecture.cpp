// The cursor read-out: the values of the displayed fields at the grid
// point under the cursor, in the popup at the right edge of the main
// window; a cursor outside the first field's grid turns the read-out off,
// a validity without a field only hides the popup.
#include "map/fdc.h"

#include "gribdata/enregistrement_grib.h"
#include "map/histogrammes.h"
#include "map/lecture_valeurs.h"
#include "map/popup_overlay.h"

namespace {

// One read-out at a time: showing or hiding the popup, or deleting the
// chart window, makes the toolkit send a move back to the map under the
// pointer, which must not read again before this reading is done.
class LectureUnique {
public:
    explicit LectureUnique(bool& enCours) : enCours_(enCours), premiere_(!enCours)
    {
        enCours_ = true;
    }
    ~LectureUnique()
    {
        if (premiere_)
            enCours_ = false;
    }
    LectureUnique(const LectureUnique&) = delete;
    LectureUnique& operator=(const LectureUnique&) = delete;
    bool bPremiere() const { return premiere_; }

private:
    bool& enCours_;
    bool premiere_;
};

}  // namespace

bool fdc::bChampLisible() const
{
    return champs && champs->champ;
}

void fdc::mouseValeurs()
{
    const LectureUnique unique(lectureEnCours);
    // The popup shows the page in front: a map whose page is hidden reads
    // nothing, nor hides the popup of the page in front.
    if (!unique.bPremiere() || page == 0 || !visible_r())
        return;
    // Nothing to read at the validity shown (a step to a time without the
    // parameter): the previous time's values must not stay. The read-out
    // stays on for the next time that has a field.
    if (!bChampLisible()) {
        vCacherPopupOverlay();
        return;
    }
    const VueCarte vue = vueCarte();
    const double latitude = vue.latitude(curseurY);
    double longitude = vue.longitude(curseurX);
    char texte[LECTURE_TAILLE];
    if (!iLectureValeurs(champs, latitude, longitude, texte, longitude)) {
        lecture = 0;
        vCacherPopupOverlay();
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

void fdc::vRelireValeurs()
{
    if (lecture && bPointeurDessus())
        mouseValeurs();
}
