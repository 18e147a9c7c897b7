// What a saved request may bring in: control bytes, words the page could
// not have written, meshes and courses out of range, bulletin lists past
// their slots; and the cost to the cent, against exact arithmetic.
#include "tests/transport/requete_test.h"

#include "transport/regles_requete.h"

#include <cmath>
#include <cstdio>

namespace {

const std::string DEBUT = "domaine D monde\nmaille M 0.25\nzone 10 0 0 10\n";

std::string lire(requete& r, Fl_Text_Buffer& t, const std::string& fichier)
{
    ecrireFichier("etc/grib/r.txt", fichier);
    r.vLire_Requete("etc/grib/r.txt");
    char* c = t.text();
    const std::string s = c;
    free(c);
    return s;
}

// The line of the request text that starts with `lettre` (a list's line
// ends with a blank after each word).
std::string ligneDe(const std::string& texte, char lettre)
{
    for (size_t p = 0; p < texte.size();) {
        const size_t fin = texte.find('\n', p);
        const std::string l = texte.substr(p, fin - p);
        if (l.size() > 1 && l[0] == lettre && l[1] == ' ')
            return l;
        p = fin == std::string::npos ? fin : fin + 1;
    }
    return "";
}

// A saved request's line and the request text's line it gives.
struct CasLigne {
    std::string ligne;
    char lettre;
    const char* attendu;
};

}  // namespace

// A NUL or another control byte in a list's word: the word is dropped and
// logged, the text keeps everything after it.
TEST_F(RequeteTest, ControlBytesInListWordsAreRefused)
{
    const CasLigne cas[] = {
        {std::string("parametres vent pm\0er pmer", 26), 'P', "P vent pmer "},
        {"parametres vent\x01 pmer", 'P', "P pmer "},
        {std::string("echeances 6 1\0002 18", 18), 'E', "E 6 18 "},
        {"validites 24\x7f 30", 'G', "G 30 "},
    };
    for (const auto& c : cas) {
        Fl_Text_Buffer t;
        requete r(&t, 0);
        const std::string texte = lire(r, t, DEBUT + c.ligne + "\n");
        EXPECT_EQ(ligneDe(texte, c.lettre), c.attendu);
        EXPECT_NE(texte.find("@mto@reqt@fin@"), std::string::npos);
        EXPECT_NE(journal().find("octet de controle"), std::string::npos);
    }
}

// Only what the page could write: whole hours in range, the model's
// parameters, each once; every line end stripped whole.
TEST_F(RequeteTest, ListWordsAreThoseThePageWrites)
{
    const CasLigne cas[] = {
        {"echeances abc 6 1e9 -5 12 6 +3 0x10 240 241 1000000", 'E', "E 6 12 240 "},
        {"validites 18 18 258 259 07 0", 'G', "G 18 258 0 "},
        {"parametres vent vent pmer vent pmer", 'P', "P vent pmer "},
        {"parametres vent courant tprof pluie", 'P', "P vent pluie "},  // not of model 1
        {"parametres vent\r\r", 'P', "P vent "},
    };
    for (const auto& c : cas) {
        Fl_Text_Buffer t;
        requete r(&t, 0);
        const std::string texte = lire(r, t, DEBUT + c.ligne + "\r\r\n");
        EXPECT_EQ(ligneDe(texte, c.lettre), c.attendu) << c.ligne;
        EXPECT_EQ(texte.find('\r'), std::string::npos);
    }
    EXPECT_NE(journal().find("mot refuse: abc"), std::string::npos);
    EXPECT_NE(journal().find("mot en double: vent"), std::string::npos);

    // Counted once: the cost of "vent vent vent" is that of "vent".
    Fl_Text_Buffer t1, t3;
    requete une(&t1, 0), trois(&t3, 0);
    lire(une, t1, DEBUT + "parametres vent\nvalidites 18\n");
    lire(trois, t3, DEBUT + "parametres vent vent vent\nvalidites 18\n");
    EXPECT_EQ(trois.coutAffiche, une.coutAffiche);
    EXPECT_EQ(trois.volumeAffiche, une.volumeAffiche);
}

// Meshes outside the model's, and meshes the zone cannot be snapped to,
// change nothing; a course of more digits than an int is refused.
TEST_F(RequeteTest, MeshesAndCoursesAreBounded)
{
    const std::pair<std::string, const char*> cas[] = {
        {"maille M 500", "maille refusee: 500"},
        {"maille M 1e300", "maille refusee: 1e300"},
        {"maille M 0.1", "maille refusee: 0.1"},  // model 1 is no finer than 0.125
        {"maille M 5", "maille refusee: 5"},      // nor coarser than 2.5
        {"capvitesse V 99999999999999999999 10", "capvitesse refuse"},
        {"capvitesse V 361 10", "capvitesse refuse"},
        {"capvitesse V -45 10", "capvitesse refuse"},
        {"capvitesse V 4294967386 10", "capvitesse refuse"},
    };
    Fl_Text_Buffer tb;
    requete base(&tb, 0);
    const std::string attendu = lire(base, tb, DEBUT);
    for (const auto& [ligne, trace] : cas) {
        Fl_Text_Buffer t;
        requete r(&t, 0);
        EXPECT_EQ(lire(r, t, DEBUT + ligne + "\n"), attendu) << ligne;
        EXPECT_EQ(r.maille, 0.25);
        EXPECT_NE(journal().find(trace), std::string::npos) << trace;
    }
    Fl_Text_Buffer t;
    requete r(&t, 0);
    // A course of 360 is north, as the page's field (0 to 359) shows it.
    EXPECT_EQ(ligneDe(lire(r, t, DEBUT + "capvitesse V 360 12.5\n"), 'V'), "V 0 12.5");

    // Near the pole the coarsest mesh cannot snap the zone: refused whole.
    grib.vSetDomaine(43);
    grib.iSetZone(-88, -89.5, 0, 10);
    grib.vSetMaille("5");
    EXPECT_EQ(grib.maille, 0.5);
    EXPECT_EQ(grib.ligneMaille, "M 0.5");
}

// A bulletin file of 200 codes keeps 128: its volume counts those kept,
// and each one dropped is counted, the first ones logged.
TEST_F(RequeteTest, TheBulletinVolumeCountsTheCodesKept)
{
    std::string f;
    for (int i = 0; i < 200; ++i)
        f += "CODE_" + std::to_string(i) + "\n";
    ecrireFichier("etc/bull/b.txt", f);
    bulletin.vLire_Requete("etc/bull/b.txt");
    EXPECT_EQ(bulletin.objets.iNombre(), 128);
    EXPECT_EQ(bulletin.volumeBulletins, 640);
    EXPECT_EQ(recapBulletin.volume, "640.000");
    EXPECT_EQ(bulletin.lignesRefusees, 72);
    EXPECT_NE(journal().find("code ignore, plus de 128: CODE_128"), std::string::npos);
    EXPECT_EQ(journal().find("CODE_199"), std::string::npos);
    EXPECT_NE(journal().find("52 autre(s) refus de la requete non journalise(s)"),
              std::string::npos);
}

// The cost in whole cents of every count up to 4 million values, against
// exact rational arithmetic: 0.00048 euro = 48 / 100000.
TEST(PrixValeurs, EveryCountToTheCent)
{
    long long faux = 0, premier = -1;
    for (long long v = 0; v <= 4000000; ++v) {
        const long long centimes = v * 48 / 1000;
        const double prix = dPrixValeurs(v, false);
        if (std::llround(prix * 100) != centimes && faux++ == 0)
            premier = v;
    }
    EXPECT_EQ(faux, 0) << "first at " << premier;
    char t[32];
    std::snprintf(t, sizeof t, "%.2lf", dPrixValeurs(8625, false));
    EXPECT_STREQ(t, "4.14");
    // A package counts to the hundredth of a cent.
    for (long long v : {0LL, 1LL, 8625LL, 3100000LL, 123456789LL})
        EXPECT_EQ(std::llround(dPrixValeurs(v, true) * 10000), v * 48 / 10) << v;
}

// A crafted saved request (the whole world at the finest mesh, a moving
// zone, 128 validities) is costed once, when its last line is read.
TEST_F(RequeteTest, ASavedRequestIsCostedOnceRead)
{
    std::string temps;
    for (int h = 0; h < 128; ++h)
        temps += " " + std::to_string(2 * h);
    ecrireFichier("etc/grib/gros.txt", "domaine D monde\nmaille M 0.125\n"
                                       "zone 90 -90 -180 180\ncapvitesse V 45 30.0\n"
                                       "parametres vent pmer mer houles\nvalidites" +
                                           temps + "\n");
    recapGrib.appels = 0;
    grib.recapitulatif = &recapGrib;
    grib.vLire_Requete("etc/grib/gros.txt");
    EXPECT_EQ(recapGrib.appels, 1);
    EXPECT_EQ(grib.validites.iNombre(), 128);
    EXPECT_EQ(recapGrib.cout, "Interdit");
}
