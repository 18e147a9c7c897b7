// The Metarea overlay, redrawn at every pan and zoom while it is on: one
// call of bulletins(0) (the bulletin page's colours and names) and of
// bulletins(2) (white zones, red limits) on a 1024 x 600 vector-only map,
// at the world view and zoomed on the North Sea (40 pixels per degree of
// longitude, its zones named), each call waiting for the X server
// (XSync). One repetition is one call: the median and the 95th
// percentile are over calls.
//
// Usage: bench_metareas [Google Benchmark flags], under an X server
// (bench/run.sh starts one).
#include "bench/banc.h"
#include "bench/map/carte_banc.h"

#include "catalogue/metareas.h"
#include "map/fdc.h"
#include "ui/palette.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/x.H>
#include <benchmark/benchmark.h>

namespace {

Fl_Double_Window* fenetre = nullptr;
fdc* carte = nullptr;

struct Vue {
    double lat, lon, etendue;
};
const Vue MONDE{0, 0, 180}, MER_DU_NORD{56, 3, 600 / (1.4 * 40)};

template <int mode, const Vue& vue>
void zones(benchmark::State& state)
{
    carte->zoom(vue.lat, vue.lon, vue.etendue, 0);
    fenetre->make_current();
    for (auto _ : state) {
        carte->bulletins(mode);
        XSync(fl_display, False);
    }
}

void enregistrer(const std::string&)
{
    skins();
    GMDSS = Metareas();
    fenetre = new Fl_Double_Window(1024, 600);
    carte = new fdc(0, 0, 1024, 600);
    fenetre->end();
    carte->initialisation(FDC_VECTEUR, 600, 1);
    carte->chargementAffiche = 0;
    fenetre->show();
    Fl::flush();
    vEnregistrerTrames("bulletins_0/monde", zones<0, MONDE>, 300);
    vEnregistrerTrames("bulletins_2/monde", zones<2, MONDE>, 300);
    vEnregistrerTrames("bulletins_0/mer_du_nord", zones<0, MER_DU_NORD>, 300);
    vEnregistrerTrames("bulletins_2/mer_du_nord", zones<2, MER_DU_NORD>, 300);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
