// The clock against the system's `date` for the same instant and zone,
// its hour count against timegm, and its idle ticks.
#include "gribdata/globales.h"
#include "ui/globales_ui.h"
#include "ui/groupe_date_heure.h"
#include "ui/horloge.h"
#include "ui/jours_mois.h"
#include "ui/local.h"

#include "tests/outils/outils_test.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_RGB_Image.H>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// The four digits a clock of the display shows.
std::string chiffres(const classGroupeDateHeure::Horloge& h)
{
    std::string s;
    for (const Fl_Button* b : {h.heureDizaines, h.heureUnites, h.minuteDizaines, h.minuteUnites})
        for (int d = 0; d < 10; ++d)
            if (b->image() == static_cast<const Fl_Image*>(*classGroupeDateHeureimages1[d]))
                s += char('0' + d);
    return s;
}

// What `date` prints of one instant: "HHMM weekday dd/mm/yy" and a last
// word (the UTC date as yyyymmdd, or the zone's offset as +hhmm).
struct Vue {
    std::string hhmm, date, dernier;
    int jour = 0;
};

Vue vue(const std::string& zone, time_t t, const char* dernier)
{
    const auto texte = sortie("TZ=" + zone + " date -d @" + std::to_string(t) +
                              " '+%H%M %w %d/%m/%y " + dernier + "'");
    Vue v;
    std::istringstream(texte.value_or("")) >> v.hhmm >> v.jour >> v.date >> v.dernier;
    return v;
}

void vZone(const char* zone)
{
    setenv("TZ", zone, 1);
    tzset();
}

class Horloge : public ::testing::Test {
protected:
    Horloge() { horlogeAffichage = &affichage; }
    ~Horloge() override
    {
        horlogeAffichage = nullptr;
        vZone("UTC");
    }
    classGroupeDateHeure affichage{1, 0, 0, 230, 99};
};

}  // namespace

TEST_F(Horloge, EachZoneAndInstantAsTheSystemDateTellsIt)
{
    // 5 Dec 2026 10:20 and 10:40 UTC (a half-hour zone counts a different
    // hour), the new year in UTC, midnight of 14 July in Paris.
    const time_t instants[] = {1796466000, 1796467200, 1798761570, 1798761630, 1784066370,
                               1784066430};
    for (const char* zone :
         {"UTC", "Europe/Paris", "America/New_York", "Asia/Kolkata", "Asia/Kathmandu"})
        for (time_t t : instants) {
            SCOPED_TRACE(std::string(zone) + " " + std::to_string(t));
            vZone(zone);
            DateFormatChange = 1;
            ASSERT_EQ(iTic(t), 1);
            const Vue u = vue("UTC", t, "%Y%m%d"), l = vue(zone, t, "%z");
            EXPECT_EQ(chiffres(affichage.horloges[0]), u.hhmm);
            EXPECT_EQ(chiffres(affichage.horloges[1]), l.hhmm);
            EXPECT_EQ(affichage.horloges[0].date->label(), pc_Fr_Jours[u.jour] + (" " + u.date));
            EXPECT_EQ(affichage.horloges[1].date->label(), pc_Fr_Jours[l.jour] + (" " + l.date));
            EXPECT_EQ(heurecourante, std::stoi(u.hhmm) / 100);
            EXPECT_EQ(jourcourant, u.jour);
            EXPECT_EQ(AAAAMMJJ, std::stoi(u.dernier));
            // Whole hours of local wall time minus whole hours of UTC.
            const int z = std::stoi(l.dernier), decale = z / 100 * 3600 + z % 100 * 60;
            EXPECT_EQ(decalage, (t + decale) / 3600 * 3600 - t / 3600 * 3600);
        }
}

TEST(HeuresHorloge, TheHourCountIsTimegmOnTheFirstOfEveryMonthTo2099)
{
    for (int annee = 1970; annee <= 2099; ++annee)
        for (int mois = 0; mois < 12; ++mois) {
            struct tm t {};
            t.tm_year = annee - 1900, t.tm_mon = mois, t.tm_mday = 1, t.tm_hour = mois * 2;
            const time_t attendu = timegm(&t);
            ASSERT_EQ(llHeures(t), attendu) << annee << "-" << mois + 1;
        }
}

TEST_F(Horloge, TicksInOneMinuteNeitherRecomputeNorRedraw)
{
    for (const char* zone : {"UTC", "Asia/Kathmandu"}) {
        vZone(zone);
        DateFormatChange = 1;
        ASSERT_EQ(iTic(1796466000), 1);
        affichage.clear_damage();
        for (int s = 1; s < 60; ++s)
            ASSERT_EQ(iTic(1796466000 + s), 0) << zone << " " << s;
        EXPECT_EQ(affichage.damage(), 0) << zone;
        DateFormatChange = 1;
        EXPECT_EQ(iTic(1796466030), 1);
        EXPECT_NE(affichage.damage(), 0);
        EXPECT_EQ(DateFormatChange, 0);
    }
}

TEST(DateHorloge, ALongDayNameIsCutOnACharacterAMissingOneIsFrench)
{
    DossierTemporaire dossier;
    DossierCourant ici(dossier.chemin());
    // 41 bytes: the bound of 22 falls inside the eleventh é.
    std::string nom = "x";
    for (int i = 0; i < 20; ++i)
        nom += "\xc3\xa9";
    std::filesystem::create_directory(dossier / "loc");
    ecrireFichier(dossier / "loc/messages.en.mac", "# test\n@Samedi\n" + nom + "\n");
    local catalogue("en");
    langage = &catalogue;
    char texte[HORLOGE_TEXTE + 8];
    struct tm samedi {}, dimanche {};
    samedi.tm_year = 126, samedi.tm_mon = 11, samedi.tm_mday = 5, samedi.tm_wday = 6;
    dimanche = samedi, dimanche.tm_mday = 6, dimanche.tm_wday = 0;
    vTexteDate(texte, samedi);
    EXPECT_EQ(std::string(texte), nom.substr(0, 21) + " 05/12/26");
    std::setlocale(LC_CTYPE, "C.UTF-8");
    EXPECT_NE(std::mbstowcs(nullptr, texte, 0), size_t(-1));
    vTexteDate(texte, dimanche);
    EXPECT_STREQ(texte, "Dimanche 06/12/26");
    langage = nullptr;
}
