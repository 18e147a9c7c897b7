// The hand-over of a file given on the command line to a running instance.
#include "shell/demarrage.h"
#include "shell/globales_shell.h"
#include "shell/transfert.h"

#include "gribdata/fichier_grib.h"
#include "tests/outils/outils_test.h"
#include "tests/shell/programme_test.h"
#include "tests/ui/harnais_gui.h"
#include "ui/fichier_texte.h"
#include "ui/image_controlee.h"

#include <fcntl.h>
#include <filesystem>
#include <list>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// A working folder with its data folders, entered for the test; the file
// to hand over lies outside it.
class Transfert : public ::testing::Test {
protected:
    Transfert()
        : travail(dossier / "travail"), ici((fs::create_directory(travail), travail))
    {
        vPreparationDossiers();
        source = dossier / "forecast.20240105.grb";
        ecrireFichier(source, "GRIB....7777");
    }

    // Runs the hand-over with these arguments after the program's name.
    int lancer(std::vector<std::string> arguments)
    {
        // The hand-over name points into the arguments: they live as long
        // as the test.
        std::vector<std::vector<char>>& tampons = lancements.emplace_back();
        tampons.push_back({'q', 0});
        for (const std::string& a : arguments)
            tampons.emplace_back(a.c_str(), a.c_str() + a.size() + 1);
        std::vector<char*> argv;
        for (auto& t : tampons)
            argv.push_back(t.data());
        argv.push_back(nullptr);
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        int statut = iTransfertFichier(int(arguments.size()) + 1, argv.data());
        erreurs = ::testing::internal::GetCapturedStderr();
        sortie = ::testing::internal::GetCapturedStdout() + erreurs;
        return statut;
    }
    // A running instance holds the lock of its marker (for the test's life).
    void instanceEnCours()
    {
        ecrireFichier("etc/lockfile", "marque");
        ASSERT_EQ(flock(open("etc/lockfile", O_RDONLY), LOCK_EX), 0);
    }
    std::vector<std::string> depot() const
    {
        std::vector<std::string> noms;
        for (const auto& e : fs::directory_iterator("lockdir"))
            noms.push_back(e.path().filename().string());
        return noms;
    }

    DossierTemporaire dossier;
    std::string travail;
    DossierCourant ici;
    std::string source;
    std::string sortie;   // standard output, then standard error
    std::string erreurs;  // standard error
    std::list<std::vector<std::vector<char>>> lancements;
};

}  // namespace

TEST(NomTransfert, NameLineEndsAndPaths)
{
    // The name starts after the dot of the first ".20" of the last component.
    const std::pair<std::string, const char*> noms[] = {
        {"/tmp/forecast.20240105.grb", "20240105.grb"}, {"/tmp/x.2023.2024.grb", "2023.2024.grb"},
        {"/tmp/dir.2024/plain.grb", "plain.grb"}, {"relative.grb", "relative.grb"}};
    for (auto [chemin, nom] : noms)
        EXPECT_STREQ(pcNomTransfert(chemin.data()), nom);
    // Up to two line ends are cut from the end.
    const std::pair<std::string, const char*> fins[] = {
        {"a.grb\r\n", "a.grb"}, {"a.grb\n", "a.grb"}, {"a.grb\r", "a.grb"},
        {"a.grb\n\n\n", "a.grb\n"}, {"\n", ""}, {"x", "x"}, {"", ""}};
    for (auto [avant, apres] : fins) {
        vCouperFinsDeLigne(avant.data());
        EXPECT_STREQ(avant.c_str(), apres);
    }
    // Names stay files inside the folder that the incoming scan takes.
    EXPECT_TRUE(bNomTransfertAcceptable("20240105.grb"));
    EXPECT_TRUE(bNomTransfertAcceptable(std::string(255, 'n').c_str()));
    for (const std::string& nom : std::vector<std::string>{
             "", ".", "..", "a/b", "../x", "..grb", ".cache", "a.grb.tmp", ".tmp",
             std::string(256, 'n')})
        EXPECT_FALSE(bNomTransfertAcceptable(nom.c_str())) << nom;
    EXPECT_FALSE(bNomTransfertAcceptable(nullptr));
    EXPECT_EQ(iCheminsTransfert("f.grb"), 0);
    EXPECT_STREQ(strOpenLocktmpfilefile, "lockdir/f.grb.tmp");
    EXPECT_STREQ(strOpenLockfilefile, "lockdir/f.grb");
    // A name that cannot take ".tmp" is staged under a short hidden name.
    EXPECT_EQ(iCheminsTransfert(std::string(252, 'n').c_str()), 0);
    EXPECT_EQ(std::string(strOpenLocktmpfilefile).rfind("lockdir/.transfert", 0), 0u);
    EXPECT_EQ(iCheminsTransfert(std::string(1016, 'n').c_str()), -1);
    EXPECT_STREQ(strOpenLockfilefile, "");
}

TEST_F(Transfert, ARunningInstanceGetsTheFileAndTheLaunchEnds)
{
    instanceEnCours();
    // Line ends are cut before the copy but shown in the argument line.
    EXPECT_EQ(lancer({source + "\r\n"}), 1);
    EXPECT_EQ(depot(), std::vector<std::string>{"20240105.grb"});
    EXPECT_EQ(lireFichier("lockdir/20240105.grb"), "GRIB....7777");
    EXPECT_STREQ(OPEN_GRIB_FILE, "20240105.grb");
    // Nothing of the running instance is touched.
    EXPECT_EQ(lireFichier("etc/lockfile"), "marque");
    EXPECT_FALSE(existe("log.txt"));
    EXPECT_NE(sortie.find("Argument \xC3\xA0 l'appel: ==forecast.20240105.grb\r\n==\n"),
              std::string::npos);
}

// No instance, or a marker nobody holds (left by a crash): the launch goes
// on with the file waiting. A relative argument is named from the folder
// of the launch, not from the working folder; long names hand over too.
TEST_F(Transfert, WithoutARunningInstanceTheLaunchGoesOnWithTheFileWaiting)
{
    EXPECT_EQ(lancer({source}), 0);
    ecrireFichier("etc/lockfile", "");
    vNoterDossierLancement(dossier.chemin().c_str());
    const std::string long_ = std::string(254 - 4, 'n') + ".grb";
    ecrireFichier(dossier / long_, "GRIB");
    EXPECT_EQ(lancer({long_}), 0);
    EXPECT_NE(sortie.find("fichier lockfile abandonne"), std::string::npos);
    vNoterDossierLancement(nullptr);
    EXPECT_EQ(lireFichier("lockdir/" + long_), "GRIB");
    EXPECT_TRUE(existe("lockdir/20240105.grb"));
}

// Each failure is no hand-over: the launch goes on, with a line saying why,
// and leaves nothing in lockdir/.
TEST_F(Transfert, FailuresAreNoHandOver)
{
    instanceEnCours();
    const struct {
        std::vector<std::string> arguments;
        const char* ligne;
    } cas[] = {
        {{}, ""}, {{source, source}, ""}, {{""}, ""}, {{"\r\n"}, ""},
        {{dossier / "absent.20240105.grb"}, "ATTENTION copie impossible"},
        {{dossier.chemin() + "/.."}, "ATTENTION nom de fichier inutilisable"},
        {{dossier.chemin() + "/"}, "ATTENTION nom de fichier inutilisable"},
        // A name from the command line need not be a real file's.
        {{"/x/" + std::string(2000, 'n')}, "ATTENTION nom de fichier inutilisable"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(lancer(c.arguments), 0);
        EXPECT_NE(sortie.find(c.ligne), std::string::npos) << c.ligne;
    }
    EXPECT_TRUE(depot().empty());
    // The rename fails: the temporary file goes.
    fs::create_directories("lockdir/20240105.grb/occupe");
    EXPECT_EQ(lancer({source}), 0);
    EXPECT_NE(sortie.find("ATTENTION renommage impossible"), std::string::npos);
    EXPECT_EQ(depot(), std::vector<std::string>{"20240105.grb"});
    // No hand-over folder to copy into.
    fs::remove_all("lockdir");
    EXPECT_EQ(lancer({source}), 0);
    EXPECT_FALSE(existe("lockdir"));
}

// The argument is read as every file from outside is: a FIFO, a device
// (or a link to one) or a folder is refused without blocking; a file past
// what its kind's reader opens, or of a kind the scan would delete, too.
// Each refusal says why on standard error and, once the log is open, in
// the log; nothing is left in lockdir/.
TEST_F(Transfert, OnlyARegularFileThatItsReaderWouldOpenIsHandedOver)
{
    harnais::ChienDeGarde garde(60);
    instanceEnCours();
    ASSERT_EQ(mkfifo((dossier / "tube.grb").c_str(), 0600), 0);
    fs::create_symlink("/dev/urandom", dossier / "alea.grb");
    fs::create_directory(dossier / "dossier.grb");
    const auto creux = [&](const std::string& nom, long long taille) {
        ecrireFichier(dossier / nom, "");
        fs::resize_file(dossier / nom, uintmax_t(taille));
        return dossier / nom;
    };
    const struct {
        std::string argument;
        const char* pourquoi;
    } cas[] = {
        {dossier / "tube.grb", "pas un fichier ordinaire"},
        {dossier / "alea.grb", "pas un fichier ordinaire"},
        {dossier / "dossier.grb", "pas un fichier ordinaire"},
        {"/dev/urandom", "type de fichier inconnu"},
        {creux("notes.doc", 10), "type de fichier inconnu"},
        {creux("gros.grb", TAILLE_GRIB_MAX), "fichier trop gros"},
        {creux("long.txt", (long long)TAILLE_TEXTE_MAX + 1), "fichier trop gros"},
        {creux("grande.JPG", TAILLE_IMAGE_MAX + 1), "fichier trop gros"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(lancer({c.argument}), 0) << c.argument;
        EXPECT_NE(erreurs.find(std::string("ATTENTION ") + c.pourquoi), std::string::npos)
            << c.argument << ": " << erreurs;
        EXPECT_TRUE(depot().empty()) << c.argument;
        JournalTemporaire journal(dossier / "log.txt");
        vJournalTransfert();
        EXPECT_NE(journal.contenu().find(std::string("fichier non transmis: ") + c.pourquoi),
                  std::string::npos)
            << c.argument;
    }
    // Up to the bound, and of a kind in capitals, it is.
    const std::string image = creux("carte.PNG", TAILLE_IMAGE_MAX);
    EXPECT_EQ(lancer({image}), 1);
    EXPECT_EQ(fs::file_size("lockdir/carte.PNG"), uintmax_t(TAILLE_IMAGE_MAX));
    EXPECT_EQ(erreurs, "");
}
