#include "codes/path.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {
using P = CLASS_CODES_PATH;

std::string t(const char* p)
{
    return p ? std::string(p) : std::string("(absent)");
}

// Folder, name, prefix and suffix, then the rebuilt path.
std::string parties(P& p)
{
    const std::string r = t(p.cpcGetRepertoire()) + "|" + t(p.cpcGetNom()) + "|" +
                          t(p.cpcGetPrefixe()) + "|" + t(p.cpcGetSuffixe());
    return r + " " + t(p.cpcGetFichier());
}
}

TEST(Path, DecoupeEtRecompose)
{
    const struct {
        const char* chemin;
        std::function<void(P&)> changer;
        const char* attendu;
    } cas[] = {
        {"dir/sub/file.grb", nullptr, "dir/sub/|file.grb|file|grb dir/sub/file.grb"},
        {"dir/sub/file.grb", [](P& p) { p.vSetSuffixe("kdx"); },
         "dir/sub/|file.kdx|file|kdx dir/sub/file.kdx"},
        {"/var/dat/ARP_20260105.grb.bz2", nullptr,
         "/var/dat/|ARP_20260105.grb.bz2|ARP_20260105.grb|bz2 /var/dat/ARP_20260105.grb.bz2"},
        {"data", nullptr, "(absent)|data|(absent)|(absent) data"},
        {"data", [](P& p) { p.vSetSuffixe("kdx"); }, "(absent)|data.kdx|(absent)|kdx data.kdx"},
        {"data", [](P& p) { p.vSetSuffixe("kdx"), p.vSetSuffixe("x"); },
         "(absent)|data.kdx.x|(absent)|x data.kdx.x"},
        {"a.b.c", nullptr, "(absent)|a.b.c|a.b|c a.b.c"},
        {"archive.", nullptr, "(absent)|archive.|archive|(absent) archive."},
        {"rep/.profile", nullptr, "rep/|.profile||profile rep/.profile"},
        {"rep.d/fichier", nullptr, "rep.d/|fichier|(absent)|(absent) rep.d/fichier"},
        {nullptr, [](P& p) { p.vSetNom("x.kdx"), p.vSetRepertoire("out"); },
         "out|x.kdx|(absent)|(absent) out/x.kdx"},
        {nullptr, [](P& p) { p.vSetNom("x.kdx"), p.vSetRepertoire("out/"); },
         "out/|x.kdx|(absent)|(absent) out/x.kdx"},
        {nullptr, [](P& p) { p.vSetPrefixe("p"); }, "(absent)|p.|p|(absent) p."},
        {nullptr, [](P& p) { p.vSetPrefixe("p"), p.vSetSuffixe("s"), p.vSetPrefixe("r"); },
         "(absent)|r.s|r|s r.s"},
        {nullptr, [](P& p) { p.vSetSuffixe("kdx"); }, "(absent)|.kdx|(absent)|kdx .kdx"},
        {nullptr, [](P& p) { p.vSetNom("a.b"), p.vSetSuffixe("c"); },
         "(absent)|a.b.c|(absent)|c a.b.c"},
        {"d/f.g", [](P& p) {
             p.vSetRepertoire(nullptr), p.vSetNom(nullptr), p.vSetPrefixe(nullptr),
                 p.vSetSuffixe(nullptr);
         }, "d/|f.g|f|g d/f.g"},
        {"d/f.g", [](P& p) { p.vSetFichier(nullptr); },
         "(absent)|(absent)|(absent)|(absent) "},
        {"a/b.c", [](P& p) { p.vSetPrefixe("d"); }, "a/|d.c|d|c a/d.c"},
        {"a/b.c", [](P& p) { p.vInit(); }, "(absent)|(absent)|(absent)|(absent) "},
    };
    for (const auto& c : cas) {
        P p(c.chemin);  // null: an empty object
        if (c.changer)
            c.changer(p);
        EXPECT_EQ(parties(p), c.attendu) << c.chemin;
    }
    // Paths without a name.
    for (const char* chemin : {"dir/", "..", "dir/.", "", ".", "/", "a/b/.."}) {
        P p(chemin);
        EXPECT_EQ(parties(p), std::string(chemin) + "|(absent)|(absent)|(absent) " + chemin);
    }
    P q(nullptr);
    EXPECT_EQ(t(q.cpcGetFichier()), "");
    char* bloc = q.pcNew("test", 16);
    ASSERT_NE(bloc, nullptr);
    delete[] bloc;
}
