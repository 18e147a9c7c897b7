// The map's view rebuilds at 1024 x 600: recalculer over the shipped drawn
// world map and over a satellite-sized picture, at the whole world, a
// regional and a close view, and one pan step. The data are the committed
// img/globe.pl.gz and a 5400 x 2700 picture made here; --data is unused.
#include "bench/banc.h"

#include "gribdata/decompression.h"
#include "map/dru_pixmap.h"
#include "map/fdc.h"

#include <FL/Fl_RGB_Image.H>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

Dru_Pixmap* carteDessinee()
{
    static Dru_Pixmap* carte = [] {
        unsigned int n = 3;
        char* tampon =
            gzip((std::string(QUENBREL_SOURCE_DIR) + "/data/img/globe.pl.gz").c_str(), n);
        Dru_Pixmap* p = tampon ? new Dru_Pixmap(tampon, n) : nullptr;
        delete[] tampon;
        return p;
    }();
    return carte;
}

Fl_RGB_Image* photoSatellite()
{
    static Fl_RGB_Image* photo = [] {
        const int w = 5400, h = 2700;
        auto* octets = new unsigned char[size_t(w) * h * 3];
        for (size_t i = 0; i < size_t(w) * h * 3; ++i)
            octets[i] = (unsigned char)(i * 2654435761u >> 24);
        auto* p = new Fl_RGB_Image(octets, w, h, 3);
        p->alloc_array = 1;
        return p;
    }();
    return photo;
}

// A 1024 x 600 map on the given base, centred on the Bay of Biscay.
std::unique_ptr<fdc> carte(bool satellite, double etendue)
{
    auto c = std::make_unique<fdc>(0, 0, 1024, 600);
    if (satellite)
        c->load_image(photoSatellite(), nullptr);
    else
        c->load_image(nullptr, carteDessinee());
    c->zoom(46.0, -5.0, etendue, 0);
    return c;
}

void BM_recalculer(benchmark::State& etat, bool satellite)
{
    auto c = carte(satellite, double(etat.range(0)) / 10);
    for (auto _ : etat)
        c->recalculer(0);
    etat.SetLabel("span " + std::to_string(c->etendue) + ", scale " +
                  std::to_string(c->echelleCourante));
}

void BM_deplacer(benchmark::State& etat, bool satellite)
{
    auto c = carte(satellite, double(etat.range(0)) / 10);
    int sens = 1;
    for (auto _ : etat) {
        c->deplacer(10 * sens, 0);
        sens = -sens;
    }
}

void enregistrer(const std::string&)
{
    for (bool satellite : {false, true}) {
        const std::string base = satellite ? "satellite" : "dessinee";
        benchmark::RegisterBenchmark(("recalculer/" + base).c_str(), BM_recalculer, satellite)
            ->Arg(1800)->Arg(300)->Arg(20)
            ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
        benchmark::RegisterBenchmark(("deplacer/" + base).c_str(), BM_deplacer, satellite)
            ->Arg(300)
            ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
    }
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, enregistrer);
}
