#include "codes/path.h"

#include <gtest/gtest.h>

#include <string>

namespace {
using P = CLASS_CODES_PATH;

std::string t(const char* p)
{
    return p ? std::string(p) : std::string("(absent)");
}

std::string parties(P& p)
{
    return t(p.cpcGetRepertoire()) + "|" + t(p.cpcGetNom()) + "|" + t(p.cpcGetPrefixe()) + "|" +
           t(p.cpcGetSuffixe());
}
}

TEST(Path, DecoupeEtRecomposeUnChemin)
{
    P p("dir/sub/file.grb");
    EXPECT_EQ(parties(p), "dir/sub/|file.grb|file|grb");
    EXPECT_EQ(t(p.cpcGetFichier()), "dir/sub/file.grb");
    p.vSetSuffixe("kdx");
    EXPECT_EQ(parties(p), "dir/sub/|file.kdx|file|kdx");
    EXPECT_EQ(t(p.cpcGetFichier()), "dir/sub/file.kdx");
    P absolu("/var/dat/ARP_20260105.grb.bz2");
    EXPECT_EQ(parties(absolu), "/var/dat/|ARP_20260105.grb.bz2|ARP_20260105.grb|bz2");
}

TEST(Path, NomSansRepertoireNiPoint)
{
    P p("data");
    EXPECT_EQ(parties(p), "(absent)|data|(absent)|(absent)");
    EXPECT_EQ(t(p.cpcGetFichier()), "data");
    p.vSetSuffixe("kdx");
    EXPECT_EQ(parties(p), "(absent)|data.kdx|(absent)|kdx");
    p.vSetSuffixe("x");
    EXPECT_EQ(t(p.cpcGetFichier()), "data.kdx.x");
}

TEST(Path, PointsDansLeNom)
{
    P p("a.b.c");
    EXPECT_EQ(parties(p), "(absent)|a.b.c|a.b|c");
    p.vSetFichier("archive.");
    EXPECT_EQ(parties(p), "(absent)|archive.|archive|(absent)");
    p.vSetFichier("rep/.profile");
    EXPECT_EQ(parties(p), "rep/|.profile||profile");
    EXPECT_EQ(t(p.cpcGetFichier()), "rep/.profile");
    p.vSetFichier("rep.d/fichier");
    EXPECT_EQ(parties(p), "rep.d/|fichier|(absent)|(absent)");
}

TEST(Path, CheminsSansNom)
{
    for (const char* chemin : {"dir/", "..", "dir/.", "", ".", "/", "a/b/.."}) {
        P p(chemin);
        EXPECT_EQ(parties(p), std::string(chemin) + "|(absent)|(absent)|(absent)") << chemin;
        EXPECT_EQ(t(p.cpcGetFichier()), chemin);
    }
}

TEST(Path, RemplacementDesParties)
{
    P p;
    EXPECT_EQ(t(p.cpcGetFichier()), "");
    p.vSetNom("x.kdx");
    p.vSetRepertoire("out");
    EXPECT_EQ(t(p.cpcGetFichier()), "out/x.kdx");
    p.vSetRepertoire("out/");
    EXPECT_EQ(t(p.cpcGetFichier()), "out/x.kdx");
    p.vSetFichier("out/");
    EXPECT_EQ(t(p.cpcGetFichier()), "out/");

    P q;
    q.vSetPrefixe("p");
    EXPECT_EQ(parties(q), "(absent)|p.|p|(absent)");
    q.vSetSuffixe("s");
    EXPECT_EQ(parties(q), "(absent)|p.s|p|s");
    q.vSetPrefixe("r");
    EXPECT_EQ(t(q.cpcGetFichier()), "r.s");

    P r;
    r.vSetSuffixe("kdx");
    EXPECT_EQ(parties(r), "(absent)|.kdx|(absent)|kdx");

    P s;
    s.vSetNom("a.b");
    EXPECT_EQ(parties(s), "(absent)|a.b|(absent)|(absent)");
    s.vSetSuffixe("c");
    EXPECT_EQ(t(s.cpcGetFichier()), "a.b.c");
}

TEST(Path, ArgumentsNulsIgnores)
{
    P p("d/f.g");
    p.vSetRepertoire(nullptr);
    p.vSetNom(nullptr);
    p.vSetPrefixe(nullptr);
    p.vSetSuffixe(nullptr);
    EXPECT_EQ(parties(p), "d/|f.g|f|g");
    p.vSetFichier(nullptr);
    EXPECT_EQ(parties(p), "(absent)|(absent)|(absent)|(absent)");
    P q(nullptr);
    EXPECT_EQ(t(q.cpcGetFichier()), "");
}

TEST(Path, InitEtRecompositionsSuccessives)
{
    P p("a/b.c");
    const char* premier = p.cpcGetFichier();
    EXPECT_EQ(t(premier), "a/b.c");
    p.vSetPrefixe("d");
    EXPECT_EQ(t(p.cpcGetFichier()), "a/d.c");
    p.vInit();
    EXPECT_EQ(parties(p), "(absent)|(absent)|(absent)|(absent)");
    EXPECT_EQ(t(p.cpcGetFichier()), "");
    char* bloc = p.pcNew("test", 16);
    ASSERT_NE(bloc, nullptr);
    delete[] bloc;
}
