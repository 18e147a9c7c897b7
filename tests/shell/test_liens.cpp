// The home page's links: what the desktop opens and what the help view
// follows.
#include "shell/gui.h"

#include "tests/outils/outils_test.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

std::vector<std::string> ouverts;

int iJournalOuverture(const char* uri)
{
    ouverts.push_back(uri);
    return 1;
}

}  // namespace

TEST(Liens, WebAndMailLinksGoToTheDesktopOthersAreFollowed)
{
    DossierTemporaire dossier;
    // A working folder longer than any fixed buffer of 255 characters.
    const std::string profond = dossier / (std::string(200, 'a') + "/" + std::string(200, 'b'));
    std::filesystem::create_directories(profond);
    DossierCourant ici(profond);
    char courant[4096];
    ASSERT_NE(getcwd(courant, sizeof courant), nullptr);
    gui::ouvrirUri = iJournalOuverture;
    const struct {
        const char* lien;
        bool suivi;
        std::string ouvert;
    } cas[] = {{"mailto:assistance@example.org", false, "mailto:assistance@example.org"},
               {"HTTP://www.example.org/", false, "HTTP://www.example.org/"},
               {"https://service.example.com/", false, "https://service.example.com/"},
               {"loc/fr/faq.htm#support", true, ""},
               {"loc/fr/./notes.txt", false, std::string("file://") + courant + "/loc/fr/./notes.txt"}};
    for (const auto& c : cas) {
        ouverts.clear();
        const char* suite = gui::htmlCallback(nullptr, c.lien);
        EXPECT_EQ(suite, c.suivi ? c.lien : nullptr) << c.lien;
        EXPECT_EQ(ouverts, c.ouvert.empty() ? std::vector<std::string>{}
                                            : std::vector<std::string>{c.ouvert});
    }
}
