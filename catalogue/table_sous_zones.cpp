// The 277 sub-areas, area after area in tree order: their label lines
// (blanks at either end belong to the text), line style and number of
// segments in the published catalogue. Where each label stands and which
// lines are drawn: places_sous_zones.cpp.
#include "catalogue/table_metareas.h"

namespace {

// A named zone, solid (Z) or dashed (P), of one to three lines.
constexpr LigneSousZone Z(const char* a, int n) { return {a, nullptr, nullptr, 0, n}; }
constexpr LigneSousZone Z(const char* a, const char* b, int n) { return {a, b, nullptr, 0, n}; }
constexpr LigneSousZone Z(const char* a, const char* b, const char* c, int n) { return {a, b, c, 0, n}; }
constexpr LigneSousZone P(const char* a, int n) { return {a, nullptr, nullptr, 1, n}; }
constexpr LigneSousZone P(const char* a, const char* b, int n) { return {a, b, nullptr, 1, n}; }
// Auxiliary dashed lines without a label.
constexpr LigneSousZone AUX(int n) { return {nullptr, nullptr, nullptr, 1, n}; }

constexpr LigneSousZone TABLE[] = {
    // ---- I, 37.
    Z("Danemark", "Strait", 4),
    Z("North", "Iceland", 3), Z("East", "Northern", "Section", 2), Z("West", "Northern", "Section", 4),
    AUX(2),
    Z("West", "Central", "Section", 3), AUX(2), Z("East Central", "Section", 2),
    Z("South", "East", "Iceland", 3), Z("Faeroes", 3), Z("Norwegian", "Basin", 3), Z("Bailey", 4),
    Z("Rockall", 3), Z("Shannon", 4), Z("Sole", 4), Z("Hebrides", 3), Z("Fair Isle", 3),
    Z("Viking", 4),
    Z("N. Utsire", 3), Z("S. Utsire", 3), Z("Cromarty", 3), Z("Forth", 3), Z("Tyne", 3),
    Z("Forties", 4), Z("Fisher", 4), Z("Dogger", 2), Z("German", "Bight", 4), Z("Humber", 2),
    Z("Thames", 1),
    Z("Dover", 1), Z("Wight", 1), Z("Portland", 1), Z("Plymouth", 2), Z("Fastnet", 1), Z("Lundy", 1),
    Z("Irish", "Sea", 1),
    Z("Malin", 0),
    // ---- II, 38.
    Z("Faraday", 2), Z("Romeo", 4), Z("Pazenn", 4), Z("Iroise", 3), Z("Yeu", 3), Z("Rochebonne", 3),
    Z("Altair", 3), Z("Charcot", 4), Z("Finisterre", 3), Z("Cantabrico", 2), Z("Acores", 3),
    Z("Josephine", 4), Z("Porto", 2), Z("Sao", "Vicente", 4), Z("Cadiz", 4), Z("Gibraltar", "Strait", 4),
    Z("Irving", 3), Z("Madeira", 4), Z("Casablanca", 4), Z("Agadir", 3), Z("Meteor", 3),
    Z("Canarias", 4), Z("Tarfaya", 2), Z("Cape Verde", 3), Z("Cap Blanc", 3), Z("Cap Timiris", 3),
    Z("Sierra Leone", 2),
    Z("Gulf of Guinea", 2),
    Z("Pointe Noire", 1), P("Flemish", 3), P("Milne", 2), P("Ridge", 3), P("Colorado", 2),
    P("Alizés", "Ouest", 2),
    P("Est", "Bermudes", 3), P("Est", "Antilles", 4), P("Nord", "Antilles", 3), P("Sud", "Antilles", 3),
    // ---- III, 55.
    Z("Alboran", 1), Z("Palos", 3), Z("Baleares", 3), Z("West", "Cabrera", 6), Z("East", "Cabrera", 1),
    Z("Alger", 3), Z("Lion", 2), Z("Minorque", 3), Z("Provence", 4), Z("Sardaigne", 2), Z("Annaba", 1),
    Z("Ligure", 2), Z("Corse", 1), Z("Elbe", 1), Z("Maddalena", 2), Z("Circeo", 2), Z("Carbonara", 2),
    Z("Tunisie", 1), Z("Lipari", 0), Z("Melita", 2), Z("Gabes", 1), Z("North", "Adriatic", 1),
    Z("Central", "Adriatic", 1), Z("South", "Adriatic", 1), Z("Boot", 2), Z("Sidra", 1),
    Z("North", "Iono", 1), Z("South", "Iono", 2), Z("Kithira", "Sea", 3), Z("Southwest", "Kritiko", 1),
    Z("Southeast", "Kritiko", 2), Z("Delta", 2), Z("Crusade", 1), Z("Taurus", 1), Z("Thermaikos", 1),
    Z("Thrakiko", 1), Z("Marmara", 0), Z("Northwest", "Aegen", 2), Z("Northeast", "Aegen", 1),
    Z("Central", "Aegen", 2), Z("Samos", "Sea", 1), Z("Rodos", "Sea", 2), Z("Kastellorizo", "Sea", 1),
    Z("Karpathio", 2), Z("East", "Kritiko", 2), Z("West", "Kritiko", 2),
    Z("Southeast", "Aegen", "Ikario", 1), Z("Southwest", "Aegen", 1), Z("Patraikos", 0),
    Z("Korinthiakos", 0), Z("Saronikos", 0), Z("South", "Evvoikos", 0),
    Z("Kafireas", " Strait", 0),
    Z("West", " Black", " Sea", 1), Z("East", " Black", " Sea", 0),
    // ---- IV, 3.
    Z("Gulf", "of", " Mexico", 0), Z("Caribbean Sea", 0), Z("No predefined", "areas in", "Metarea", 0),
    // ---- V, 10.
    Z("Alpha", 3), Z("Bravo", 3), Z("Charlie", 1), Z("Delta", 3), Z("Echo", 3), Z("Foxtrot", 4),
    Z("Golf", 3), Z("Hotel", 3), Z("November", "(North Oceanic)", 1), Z("Sierra", "(South Oceanic)", 0),
    // ---- VI, 17.
    Z("I", 2),
    Z("II", 9),
    Z("III", 8), Z("Drake", "Norte", 2), AUX(3), Z("34", 2), Z("33", 2), Z("32", 1), Z("45", 2),
    Z("44", 2), Z("43", 2), Z("42", 1), Z("55", 2), Z("54", 2), Z("53", 2), Z("52", 1),
    Z("OCEANO", "ANTARTICO", 0),
    // ---- VII, 19.
    Z("Ascension", 2), Z("Angola", 1), Z("St Helena", 2), Z("Trades", 1), Z("Tristan", 3),
    Z("Cape West", 2), Z("Gough", "Forties", 2), Z("Meteor", "Forties", 4),
    Z("Marion", "Forties", "West", 3), Z("Marion", "Forties", "East", 3), Z("Crozet", "(CRO)", 3),
    Z("Kerguelen", "(KER)", 2), Z("East", "Amsterdam", "(AMS)", 1), Z("West", "Amsterdam", "(WAM)", 1),
    Z("Durban East", 4), Z("Cape East", 0), Z("Mozambique", "Channel", 1), Z("Madagascar", "East", 0),
    Z("Antartic", 0),
    // ---- VIII(N), 4.
    Z("ARB-A1", 1), Z("ARB-A2", 1), Z("BOB-A3", 1), Z("BOB-A4", 1),
    // ---- VIII(S), 7.
    Z("8A7", 1), Z("8A5", 1), Z("8A6", 0), Z("8A3", 2), Z("8A4", 1), Z("8A1", 2), Z("8A2", 1),
    // ---- IX, 4.
    Z("Gulf of", "Oman", 3), Z("North", "Arabian", "Sea", 0), Z("Central North", "Arabian Sea", 1),
    Z("Gulf of Aden", 2),
    // ---- X, 8.
    P("Northern", "(Australia)", 4), Z("Western", 3), AUX(2), Z("North", "Eastern", 1),
    Z("South", "Western", 1), AUX(3), Z("West", "Casey", "(Dec-Feb)", 1), Z("East", "Casey", "(Dec-Feb)", 0),
    // ---- XI (Japan), 26.
    Z("Gulf of", "Tonking", 1), Z("South", "China", "Sea", 2), Z("South of equator", 0), Z("Bohai", 1),
    Z("Yellow", "Sea", 2), Z("Sea", "Around", "Tsushima", 1), Z("East", "China", "Sea", 0),
    Z("Celebes", "Sea", 0), Z("Sulu", "Sea", 0), Z("Sea east", "of", "Mindanao", 2), Z("Carolines", 2),
    Z("Sea south", "of", "Okinawa", 2), Z("Sea south", "of", "Japan", 2),
    Z("Sea east", "of", "Philippines", 1), Z("Marianas", 2), Z("Truk", 2), Z("Marshalls", 2),
    Z("Chichijima", 2), Z("Minami", "Tori Shima", 2), Z("Wake", 3), Z("Sea east", "of", "Japan", 1),
    Z("Far off", "East of", "Japan", 1),
    P("Midway", 1),
    AUX(2), Z("Sea south", "of Aleutians", 0), AUX(3),
    // ---- XII, 1.
    Z("No predefined areas in this Metarea", 0),
    // ---- XIII, 4.
    Z("North-West", "Pacific Ocean", 1), Z("Okhotskoye", "More", 1), Z("Japan", "Sea", 1),
    Z("Bering", "Sea", 1),
    // ---- XIV, 26.
    Z("Islands", 1), AUX(1), Z("Sub-Tropic", 3), AUX(3), Z("Forties", 2), AUX(2), Z("Pacific", 1),
    P("Polynésie", 14),
    Z("Française", 0), P("A40", 2), P("A35", 1), P("B45", 2), P("B40", 2), P("B35", 1), P("C50", 2),
    P("C45", 2), P("C40", 2), P("C35", 1), P("D50", 1), P("D45", 2), P("D40", 2), P("D35", 2),
    Z("D30", 0), P("E45", 1), P("E40", 1), Z("E35", 0),
    // ---- XV, 17.
    Z("Northwest", "Area", 2), Z("Northeast", "Area", 2), Z("(ONE)", "Arica to", "Coquimbo", 1),
    Z("Central", "West", "Area", 2), Z("Central", "East", "Area", 4), Z("(TWO) Coquimbo", "to Valparaiso", 1),
    Z("(THREE) Valparaiso", "to Constitucion", 1), Z("(FOUR) Constitucion", "to Isla Mocha", 1),
    Z("(FIVE) Isla Mocha", "to Puerto Montt", 1), Z("South", "West", "Area", 2),
    Z("South", "East", "Area", 2), Z("(SIX) Puerto Montt", "to San Pedro", 1),
    Z("(SEVEN) San Pedro to", "Islotes Evangelistas ", 1),
    Z("(EIGHT) Islotes", "Evangelistas to 60S", 1), Z("West", "Sector", 1), Z("Central", "Sector", 1),
    P("East", "Sector", 2),
    // ---- XVI, 1.
    P("Equator to 18 deg 30' South", "East of 120 W", 1),
};

static_assert(sizeof TABLE / sizeof TABLE[0] == NOMBRE_SOUS_ZONES, "sub-area rows missing");

}  // namespace

const LigneSousZone* const SOUS_ZONES = TABLE;
