// What the text window does without a display: the kinds of files, the
// bulletins' reflow and UTF-8, the colouring rules, replace-all, and the
// bounded reading and safe writing of files.
#include "ui/fichier_texte.h"
#include "ui/recherche_texte.h"
#include "ui/styles_bulletin.h"
#include "ui/texte_apercu.h"
#include "ui/texte_bulletin.h"

#include "tests/outils/outils_test.h"

#include <FL/Fl_Text_Buffer.H>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<size_t> longueursDeLignes(const std::string& t)
{
    std::vector<size_t> v;
    for (size_t p = 0, fin; p <= t.size(); p = fin + 1) {
        fin = t.find('\n', p);
        fin = fin == std::string::npos ? t.size() : fin;
        v.push_back(fin - p);
    }
    return v;
}

// One letter per line of `t` (the style of its visible part, which must
// be uniform); line feeds stay "A".
std::string lettres(const std::string& t, const std::string& style)
{
    std::string r;
    for (size_t p = 0, fin; p < t.size(); p = fin + 1) {
        fin = std::min(t.find('\n', p), t.size());
        if (fin < t.size()) {
            EXPECT_EQ(style[fin], 'A') << fin;
        }
        if (fin > p && style.find_first_not_of(style[p], p) >= fin)
            r += style[p];
        else if (fin > p)
            r += '?';
    }
    return r;
}

}  // namespace

TEST(Textes, KindsOfFilesAndTheReflow)
{
    const struct {
        const char* chemin;
        GenreFichier genre;
    } genres[] = {{"dat/bulletin/BMS123.txt", BULLETIN_ALERTE}, {"x/CYC1.txt", BULLETIN_ALERTE},
                  {"a/GALE_WARNING.txt", BULLETIN_ALERTE}, {"dat/bulletin/GMDSS_2.txt", BULLETIN_GMDSS},
                  {"dat/bulletin/message.txt", BULLETIN_AUTRE}, {"BMSx/note.txt", FICHIER_SIMPLE},
                  {"etc/envois.txt", FICHIER_SIMPLE}, {"gmdss.txt", FICHIER_SIMPLE}};
    for (const auto& g : genres)
        EXPECT_EQ(genreFichier(g.chemin), g.genre) << g.chemin;

    const std::string a200(200, 'a'), espace = std::string(72, 'b') + " " + std::string(7, 'c');
    const struct {
        std::string entree;
        std::vector<size_t> lignes;
    } cas[] = {{a200, {73, 74, 53}}, {espace, {72, 7}}, {"ab\r\ncd\r\n", {2, 2, 0}}};
    for (const auto& c : cas)
        EXPECT_EQ(longueursDeLignes(reformater(c.entree.data(), c.entree.size())), c.lignes);
    // 200 KB of 80-column lines: each gets one break, nothing is cut.
    std::string gros;
    for (int i = 0; i < 2500; ++i)
        gros += std::string(80, char('a' + i % 26)) + "\n";
    const std::string r = reformater(gros.data(), gros.size());
    EXPECT_EQ(r.size(), gros.size() + 2500);
    EXPECT_EQ(longueursDeLignes(r)[4999], 7u);
}

TEST(Textes, EveryLatin1ByteAsIconvWritesIt)
{
    DossierTemporaire d;
    std::string octets;
    for (int i = 0; i < 256; ++i)
        octets += char(i);
    ecrireFichier(d / "latin1", octets);
    const auto iconv = sortie("iconv -f ISO-8859-1 -t UTF-8 " + sh(d / "latin1"));
    ASSERT_TRUE(iconv);
    EXPECT_TRUE(memesOctets(latin1VersUtf8(octets), *iconv));
}

// The chooser's preview of a text's first bytes: UTF-8 as it is (a letter
// cut by the read left out), ISO 8859-1 turned into UTF-8, binary refused.
TEST(Textes, ThePreviewShowsAccentedTexts)
{
    const struct {
        std::string octets;
        bool texte;
        std::string attendu;
    } cas[] = {
        {"M\xC3\xA9t\xC3\xA9o \xC3\xA0 l'\xC3\xAEle\n", true, "M\xC3\xA9t\xC3\xA9o \xC3\xA0 l'\xC3\xAEle\n"},
        {"Pr\xC3\xA9vision \xC3", true, "Pr\xC3\xA9vision "},  // cut in a letter
        {"\xE2\x82\xAC 1\xE2\x82", true, "\xE2\x82\xAC 1"},
        {"M\xE9t\xE9o \xE0 l'\xEEle\r\n", true, "M\xC3\xA9t\xC3\xA9o \xC3\xA0 l'\xC3\xAEle\r\n"},
        {"caf\xE9", true, "caf\xC3\xA9"},  // ISO 8859-1 ending on a letter
        {"plain\ttext\f", true, "plain\ttext\f"},
        {std::string("GRIB\0\x01", 6), false, ""},
        {"\x1B[0m", false, ""},
        {"", false, ""},
    };
    for (const auto& c : cas) {
        std::string t;
        EXPECT_EQ(bTexteApercu(c.octets.data(), c.octets.size(), t), c.texte) << c.octets;
        if (c.texte) {
            EXPECT_TRUE(memesOctets(t, c.attendu)) << c.octets;
        }
    }
}

TEST(Textes, ColouringRules)
{
    const std::string disponibilite = "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"
                                      "g\n====\ng\n====\ng\n====\ng\n====\na\n-_-_-\nn\n====\nc\n";
    const struct {
        const char* chemin;
        const char* texte;
        const char* attendu;
    } cas[] = {
        {"dat/bulletin/GMDSS_2.txt",
         "GMDSS\nhead\ninfo\n====\nintro\nWONT41\nbody\n\nFQNT41\n WONT x\nwont y\nWOUK z\n",
         "KBLBAFFDDDF"},
        {"etc/envois.txt", "SEND==== 1\nreq\nSEND====\nx\n", "BEBE"},
        {"etc/messages.txt", "==== a\nmsg\n", "BE"},
        {"dat/bulletin/message.txt", "a\nb\n-_-_-\nc\n==== d\ne\n", "EENNCC"},
        {"dat/bulletin/disponibilite_fr.txt", "x\nBulletins Marines\ny\n====\nz\n", "ANNCC"},
        {"dat/bulletin/BMS123.txt", "a\nb\nBulletins Marines\nc\n", "FFNN"},
        {"dat/bulletin/disponibilite.txt", disponibilite.c_str(), "FFBBAAJIIBCBCBCBCBANNCC"},
    };
    for (const auto& c : cas) {
        const std::string t = c.texte;
        const std::string style = styleTexte(c.chemin, genreFichier(c.chemin), t);
        ASSERT_EQ(style.size(), t.size());
        EXPECT_EQ(lettres(t, style), c.attendu) << c.chemin;
    }
}

TEST(Textes, ReplacementsInABuffer)
{
    Fl_Text_Buffer b;
    b.text("x1x2X3");
    int fin = 0;
    EXPECT_EQ(iRemplacerTout(&b, "x", "xx", fin), 3);
    char* t = b.text();
    EXPECT_STREQ(t, "xx1xx2xx3");
    free(t);
    EXPECT_EQ(fin, 8);
    // A start before the text is the text's start.
    EXPECT_EQ(iRemplacerSuivant(&b, -2, "xx1", "y"), 0);
    EXPECT_EQ(iRemplacerSuivant(&b, 0, "z", "y"), -1);
}

// Every match of a large text replaced in one change of the buffer, the
// text between matches and the letter case of what is kept as they were.
TEST(Textes, ReplaceAllIsOneChange)
{
    std::string t, attendu;
    for (int i = 0; i < 20000; ++i) {
        t += i % 2 ? "Vent X" : "vent x";
        t += " et mer\n";
        attendu += i % 2 ? "brise X" : "brise x";
        attendu += " et mer\n";
    }
    Fl_Text_Buffer b;
    b.text(("debut " + t).c_str());
    static int changements;
    changements = 0;
    b.add_modify_callback([](int, int, int, int, const char*, void*) { ++changements; }, nullptr);
    int fin = 0;
    EXPECT_EQ(iRemplacerTout(&b, "vent", "brise", fin), 20000);
    EXPECT_EQ(changements, 1);
    char* obtenu = b.text();
    EXPECT_EQ(obtenu, "debut " + attendu);
    free(obtenu);
    EXPECT_EQ(fin, int(("debut " + attendu).rfind("brise")) + 5);
    // Nothing found: no change, the end at the start.
    EXPECT_EQ(iRemplacerTout(&b, "grain", "x", fin), 0);
    EXPECT_EQ(changements, 1);
    EXPECT_EQ(fin, 0);
}

TEST(Textes, FilesReadWithBoundsAndWrittenWhole)
{
    DossierTemporaire d;
    ecrireFichier(d / "nul", std::string("a\0b", 3));
    std::filesystem::resize_file((ecrireFichier(d / "gros", ""), d / "gros"), 100u << 20);
    ASSERT_TRUE(commande("mkfifo " + sh(d / "fifo")));
    std::string lu;
    for (const auto& [nom, erreur] : std::vector<std::pair<std::string, int>>{
             {"nul", EILSEQ}, {"gros", EFBIG}, {"absent", ENOENT}, {".", EINVAL}, {"fifo", EINVAL}})
        EXPECT_EQ(iLireFichierTexte((d / nom).c_str(), lu), erreur) << nom;
    // A folder where the temporary file goes: the old file stays as it was.
    ecrireFichier(d / "a.txt", "ancien");
    std::filesystem::create_directory(d / "a.txt.tmp");
    EXPECT_EQ(iEcrireFichierTexte((d / "a.txt").c_str(), "nouveau", 7), EISDIR);
    EXPECT_EQ(lireFichier(d / "a.txt"), "ancien");
    std::filesystem::remove(d / "a.txt.tmp");
    EXPECT_EQ(iEcrireFichierTexte((d / "a.txt").c_str(), "nouveau", 7), 0);
    EXPECT_EQ(iLireFichierTexte((d / "a.txt").c_str(), lu), 0);
    EXPECT_EQ(lu, "nouveau");
    EXPECT_FALSE(existe(d / "a.txt.tmp"));
}

// Saving through symbolic links writes the file they lead to, which keeps
// its mode; the links stay links, a dangling one included. A failure names
// the path that failed.
TEST(Textes, SavingThroughALinkKeepsTheLinkAndTheMode)
{
    DossierTemporaire d;
    std::filesystem::create_directories(d / "vrai");
    ecrireFichier(d / "vrai/note.txt", "ancien");
    std::filesystem::permissions(d / "vrai/note.txt", std::filesystem::perms(0640));
    std::filesystem::create_symlink("vrai/note.txt", d / "lien");
    std::filesystem::create_symlink(d / "lien", d / "lien2");
    EXPECT_EQ(iEcrireFichierTexte((d / "lien2").c_str(), "nouveau", 7), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(d / "lien"));
    EXPECT_TRUE(std::filesystem::is_symlink(d / "lien2"));
    EXPECT_EQ(lireFichier(d / "vrai/note.txt"), "nouveau");
    EXPECT_EQ(std::filesystem::status(d / "vrai/note.txt").permissions(),
              std::filesystem::perms(0640));
    EXPECT_FALSE(existe(d / "vrai/note.txt.tmp"));

    std::filesystem::create_symlink("vrai/nouveau.txt", d / "pendant");
    EXPECT_EQ(iEcrireFichierTexte((d / "pendant").c_str(), "cree", 4), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(d / "pendant"));
    EXPECT_EQ(lireFichier(d / "vrai/nouveau.txt"), "cree");

    std::filesystem::create_directory(d / "vrai/note.txt.tmp");
    std::string echec;
    EXPECT_EQ(iEcrireFichierTexte((d / "lien").c_str(), "x", 1, &echec), EISDIR);
    EXPECT_EQ(echec, d / "vrai/note.txt.tmp");
    EXPECT_EQ(lireFichier(d / "vrai/note.txt"), "nouveau");
}
