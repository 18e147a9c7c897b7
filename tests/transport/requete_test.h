// What the request tests share: a GRIB and a bulletin request over text
// buffers, a recapitulation that records what it is shown, a scratch
// folder as the working folder with the program's etc/ folders, and the log.
#ifndef TESTS_TRANSPORT_REQUETE_TEST_H
#define TESTS_TRANSPORT_REQUETE_TEST_H

#include "transport/recapitulatif.h"
#include "transport/requete.h"

#include "tests/outils/outils_test.h"

#include <FL/Fl_Text_Buffer.H>
#include <filesystem>
#include <gtest/gtest.h>

struct RecapTest : Recapitulatif {
    std::string volume, cout;
    int envoi = -1, appels = 0;
    void vVolume(const char* t) override { volume = t, ++appels; }
    void vCout(const char* t) override { cout = t; }
    void vEnvoi(bool actif) override { envoi = actif; }
};

class RequeteTest : public ::testing::Test {
protected:
    RequeteTest()
    {
        for (const char* d : {"etc/grib", "etc/bull", "img"})
            std::filesystem::create_directories(d);
        grib.recapitulatif = &recapGrib;
        bulletin.recapitulatif = &recapBulletin;
    }
    static std::string texte(Fl_Text_Buffer& t)
    {
        char* c = t.text();
        std::string s = c;
        free(c);
        return s;
    }
    std::string journal() const { return log.contenu(); }

    DossierTemporaire dossier;
    DossierCourant ici{dossier.chemin()};
    JournalTemporaire log{dossier / "log.txt"};
    Fl_Text_Buffer tamponGrib, tamponBulletin;
    RecapTest recapGrib, recapBulletin;
    requete grib{&tamponGrib, 0};
    requete bulletin{&tamponBulletin, 1};
};

#endif
