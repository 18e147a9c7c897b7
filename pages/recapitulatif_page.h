// Where the request page shows a request's volume and cost: the outputs of
// its recapitulation (GRIB or bulletin), found through the page at each
// call since a recapitulation may be rebuilt; a new count sets the send
// button by the page's rule again.
#ifndef PAGES_RECAPITULATIF_PAGE_H
#define PAGES_RECAPITULATIF_PAGE_H

#include "transport/recapitulatif.h"

class vr;

class RecapitulatifPage : public Recapitulatif {
public:
    RecapitulatifPage(vr& page, bool grib) : page_(page), grib_(grib) {}
    void vVolume(const char* texte) override;
    void vCout(const char* texte) override;
    void vEnvoi(bool actif) override;

private:
    vr& page_;
    bool grib_;
};

#endif
