// The text window's heavy paths: a 1 MB GMDSS answer read, reflowed,
// turned into UTF-8, styled and put into the text and style buffers, alone
// and through a text window; "Remplacer tout" of a letter in that text
// shown in a text window; and the file chooser listing a folder of 5,000
// files (both need an X display).
// The inputs are generated in --data (once).
#include "bench/banc.h"

#include "ui/editeur.h"
#include "ui/fichier_texte.h"
#include "ui/selecteur.h"
#include "ui/styles_bulletin.h"
#include "ui/texte_bulletin.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Text_Buffer.H>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string bulletin;
std::string dossierListe;

// A GMDSS answer of 1 MB: headings, warnings and forecasts, long lines of
// Latin-1 text with CR LF ends.
void vFabriquerBulletin(const std::string& chemin)
{
    std::string t = "GMDSS METAREA II\r\nAnswer\r\ninfo\r\n====\r\n";
    const char* entetes[] = {"WONT41 LFPW", "FQNT42 LFPW", "WWME50 LFPW", "FZNT01 KWBC"};
    for (int i = 0; t.size() < (1u << 20); ++i) {
        t += std::string(entetes[i % 4]) + "\r\n";
        for (int j = 0; j < 6; ++j)
            t += "Zone " + std::to_string(i) + ": vent d'ouest force 6 \xe0 7, mer agit\xe9"
                 "e \xe0 forte, houle de nord-ouest 3 m\xe8tres, visibilit\xe9 bonne, "
                 "temporairement m\xe9" "diocre sous grains.\r\n";
    }
    FILE* f = std::fopen(chemin.c_str(), "wb");
    std::fwrite(t.data(), 1, t.size(), f);
    std::fclose(f);
}

void BM_Bulletin(benchmark::State& etat)
{
    Fl_Text_Buffer texte, styles;
    for (auto _ : etat) {
        std::string octets;
        iLireFichierTexte(bulletin.c_str(), octets);
        octets = latin1VersUtf8(reformater(octets.data(), octets.size()));
        texte.text(octets.c_str());
        styles.text(styleTexte(bulletin.c_str(), BULLETIN_GMDSS, octets).c_str());
        benchmark::DoNotOptimize(styles.length());
    }
    etat.SetBytesProcessed(int64_t(etat.iterations()) * int64_t(std::filesystem::file_size(bulletin)));
}

// The same through the window itself, with its display and callbacks.
void BM_Fenetre(benchmark::State& etat)
{
    editeur fenetre(nullptr, 0, 0, 0, 600, 400, 1, 0, nullptr);
    for (auto _ : etat)
        fenetre.chargement_fichier(bulletin.c_str());
}

// Every "e" of the shown 1 MB text (about 200,000) made "E", from the
// dialog's button; the text is put back between runs, untimed.
void BM_RemplacerTout(benchmark::State& etat)
{
    editeur fenetre(nullptr, 0, 0, 0, 600, 400, 0, 0, nullptr);
    fenetre.show();
    std::string octets;
    iLireFichierTexte(bulletin.c_str(), octets);
    fenetre.remplacerCherche->value("e");
    fenetre.remplacerPar->value("E");
    for (auto _ : etat) {
        etat.PauseTiming();
        fenetre.textbuf->text(octets.c_str());
        Fl::check();
        etat.ResumeTiming();
        fenetre.remplacerTout->do_callback();
        Fl::check();
    }
    fenetre.modifie = 0;
}

void BM_Liste5000(benchmark::State& etat)
{
    DRU_Fl_File_Chooser selecteur(".", "*", DRU_Fl_File_Chooser::SINGLE, "");
    selecteur.preview(0);
    for (auto _ : etat) {
        selecteur.directory(dossierListe.c_str());
        selecteur.rescan();
        benchmark::DoNotOptimize(selecteur.fileList->size());
    }
}

void vEnregistrer(const std::string& dossier)
{
    bulletin = dossier + "/GMDSS_bench.txt";
    if (!std::filesystem::exists(bulletin))
        vFabriquerBulletin(bulletin);
    dossierListe = dossier + "/liste5000";
    if (!std::filesystem::exists(dossierListe + "/f4999.txt")) {
        std::filesystem::create_directories(dossierListe);
        for (int i = 0; i < 5000; ++i)
            std::fclose(std::fopen((dossierListe + "/f" + std::to_string(i) + ".txt").c_str(), "w"));
    }
    benchmark::RegisterBenchmark("bulletin_1MB/load_reflow_utf8_style", BM_Bulletin)
        ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
    if (!std::getenv("DISPLAY"))
        return;
    benchmark::RegisterBenchmark("bulletin_1MB/text_window", BM_Fenetre)
        ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("bulletin_1MB/replace_all_e", BM_RemplacerTout)
        ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("chooser/list_5000_files", BM_Liste5000)
        ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv)
{
    return executerBanc(argc, argv, vEnregistrer);
}
