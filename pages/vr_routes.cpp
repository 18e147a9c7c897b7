// The one route window among the pages: built by the request page as the
// last of its product tabs, brought into a viewer's tabs by the viewer's
// routes button (40 px taller there, where the product bar is not), and
// given back to the request page when the user goes back to it.
#include "pages/vr.h"

#include "routes/dru_routes.h"
#include "ui/boutons.h"
#include "ui/images/images.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Tabs.H>

namespace {

const int ROUTES_SUPPLEMENT_VISUALISATEUR = 40;

bool bDansRequeteur()
{
    return gvr && gvr[0] && gvr[0]->ongletsRequeteur &&
           Dru_Routes->parent() == gvr[0]->ongletsRequeteur;
}

// A viewer's routes button released, its own panel shown again.
void vRelacher(vr* page)
{
    page->boutonRoutes->value(0);
    page->boutonRoutes->image(image_trace_route);
    page->boutonRoutes->redraw();
    if (page->ongletsVisualisateur && page->ongletVisualisateur) {
        page->ongletsVisualisateur->value(page->ongletVisualisateur);
        page->ongletsVisualisateur->resizable(page->ongletVisualisateur);
        page->ongletsVisualisateur->redraw();
    }
}

// Every viewer whose routes button is pressed gives the window back.
void vRelacherVisualisateurs()
{
    for (int i = 1; gvr && i < ngvr && i < VR_PAGES; ++i)
        if (gvr[i] && gvr[i]->boutonRoutes && gvr[i]->boutonRoutes->value())
            vRelacher(gvr[i]);
}

}  // namespace

// Made outside any group, so that the product bar built before the tabs
// already finds it.
void vr::vConstruireRoutes(int x, int y, int w, int h)
{
    if (Dru_Routes)
        return;
    Fl_Group* courant = Fl_Group::current();
    Fl_Group::current(nullptr);
    Dru_Routes = new DRU_Routes(x, y, w, h);
    Fl_Group::current(courant);
}

void vr::vBoutonRoutesCallback(Fl_Widget* bouton, void* donnees)
{
    vr* page = static_cast<vr*>(donnees);
    if (!Dru_Routes || !page->ongletsVisualisateur)
        return;
    if (static_cast<Fl_Button*>(bouton)->value()) {
        vRelacher(page);
        return;
    }
    if (!bDansRequeteur())
        vRelacherVisualisateurs();
    else
        Dru_Routes->size(Dru_Routes->w(), Dru_Routes->h() + ROUTES_SUPPLEMENT_VISUALISATEUR);
    Fl_Tabs* onglets = page->ongletsVisualisateur;
    onglets->add(Dru_Routes);
    onglets->resizable(Dru_Routes);
    onglets->value(Dru_Routes);
    page->boutonRoutes->value(1);
    page->boutonRoutes->image(image_trace_route_a);
    page->boutonRoutes->redraw();
    Dru_Routes->vGroupArrange(9999);
    onglets->redraw();
}

void vr::vRoutesAuRequeteur()
{
    if (!Dru_Routes || !ongletsRequeteur || Dru_Routes->parent() == ongletsRequeteur)
        return;
    vRelacherVisualisateurs();
    ongletsRequeteur->add(Dru_Routes);
    Dru_Routes->size(Dru_Routes->w(), Dru_Routes->h() - ROUTES_SUPPLEMENT_VISUALISATEUR);
    // The product page shown stays; the routes show when they were it.
    if (boutonsGBI[GBI_ROUTES] && boutonsGBI[GBI_ROUTES]->value()) {
        ongletsRequeteur->value(Dru_Routes);
        Dru_Routes->vGroupArrange(9999);
    } else {
        Dru_Routes->hide();
    }
    ongletsRequeteur->redraw();
}
