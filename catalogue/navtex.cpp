// The NAVTEX stations the service answers for, with their object codes.
//
// A code is "NAVTEX_<area>_<STATION>_<KIND>":
// - <area> is the NAVAREA number in decimal, without padding;
// - <STATION> is the station's name in capitals, a blank inside a place
//   name written "-" ("NEW-ORLEANS", "LA-GARDE"); after "CROSS", and
//   before a sub-area of a station that serves several, "_" stands for the
//   blank ("CROSS_CORSEN", "KODIAK_GULF_OF_ALASKA", "KODIAK_ICE_SEA");
//   San Francisco's station is "PT-REYES";
// - <KIND> is "FORECAST", then "WARNING"; the five stations of NAVAREA 11
//   that also send vital warnings have "IMPORTANT_WARNING" and
//   "VITAL_WARNING" (NAVTEX's priorities); the Ice Sea has "ADVISORY"
//   alone.
// The forecast carries the row's number, the warning that number + 1 and
// the vital warning + 2.
#include "catalogue/bulletins.h"

#define SANS {nullptr, 0}

const TYPEDEF_BULLETIN_NAVTEX BULLETINS_NAVTEX[] = {
    {" 1 UK Cullercoats", nullptr, nullptr, 0,
     {{"NAVTEX_1_CULLERCOATS_FORECAST", 5001}, {"NAVTEX_1_CULLERCOATS_WARNING", 5002}, SANS}},
    {" 1 UK Portpatrick", nullptr, nullptr, 0,
     {{"NAVTEX_1_PORTPATRICK_FORECAST", 5006}, {"NAVTEX_1_PORTPATRICK_WARNING", 5007}, SANS}},
    {" 1 UK Niton", nullptr, nullptr, 0,
     {{"NAVTEX_1_NITON_FORECAST", 5011}, {"NAVTEX_1_NITON_WARNING", 5012}, SANS}},
    {" 2 FR Cross Corsen", nullptr, nullptr, 0,
     {{"NAVTEX_2_CROSS_CORSEN_FORECAST", 5021}, {"NAVTEX_2_CROSS_CORSEN_WARNING", 5022}, SANS}},
    {" 3 FR Cross La Garde", nullptr, nullptr, 0,
     {{"NAVTEX_3_CROSS_LA-GARDE_FORECAST", 5101},
      {"NAVTEX_3_CROSS_LA-GARDE_WARNING", 5102},
      SANS}},
    {" 3 GR Irakleio", nullptr, nullptr, 0, {{"NAVTEX_3_IRAKLEIO_FORECAST", 5111}, SANS, SANS}},
    {" 3 GR Kerkyra", nullptr, nullptr, 0, {{"NAVTEX_3_KERKYRA_FORECAST", 5121}, SANS, SANS}},
    {" 3 GR Limnos", nullptr, nullptr, 0, {{"NAVTEX_3_LIMNOS_FORECAST", 5131}, SANS, SANS}},
    {" 4 US Boston", nullptr, nullptr, 0,
     {{"NAVTEX_4_BOSTON_FORECAST", 5201}, {"NAVTEX_4_BOSTON_WARNING", 5202}, SANS}},
    {" 4 US Portsmouth", nullptr, nullptr, 0,
     {{"NAVTEX_4_PORTSMOUTH_FORECAST", 5211}, {"NAVTEX_4_PORTSMOUTH_WARNING", 5212}, SANS}},
    {" 4 US Charleston", nullptr, nullptr, 0,
     {{"NAVTEX_4_CHARLESTON_FORECAST", 5221}, {"NAVTEX_4_CHARLESTON_WARNING", 5222}, SANS}},
    {" 4 US Miami", nullptr, nullptr, 0,
     {{"NAVTEX_4_MIAMI_FORECAST", 5231}, {"NAVTEX_4_MIAMI_WARNING", 5232}, SANS}},
    {" 4 US New Orleans", nullptr, nullptr, 0,
     {{"NAVTEX_4_NEW-ORLEANS_FORECAST", 5241}, {"NAVTEX_4_NEW-ORLEANS_WARNING", 5242}, SANS}},
    {" 4 US San Juan", nullptr, nullptr, 0,
     {{"NAVTEX_4_SAN-JUAN_FORECAST", 5251}, {"NAVTEX_4_SAN-JUAN_WARNING", 5252}, SANS}},
    {"11 JP Naha", nullptr, nullptr, 0,
     {{"NAVTEX_11_NAHA_FORECAST", 6101},
      {"NAVTEX_11_NAHA_IMPORTANT_WARNING", 6102},
      {"NAVTEX_11_NAHA_VITAL_WARNING", 6103}}},
    {"11 JP Moji", nullptr, nullptr, 0,
     {{"NAVTEX_11_MOJI_FORECAST", 6106},
      {"NAVTEX_11_MOJI_IMPORTANT_WARNING", 6107},
      {"NAVTEX_11_MOJI_VITAL_WARNING", 6108}}},
    {"11 JP Yokohama", nullptr, nullptr, 0,
     {{"NAVTEX_11_YOKOHAMA_FORECAST", 6111},
      {"NAVTEX_11_YOKOHAMA_IMPORTANT_WARNING", 6112},
      {"NAVTEX_11_YOKOHAMA_VITAL_WARNING", 6113}}},
    {"11 JP Otaru", nullptr, nullptr, 0,
     {{"NAVTEX_11_OTARU_FORECAST", 6116},
      {"NAVTEX_11_OTARU_IMPORTANT_WARNING", 6117},
      {"NAVTEX_11_OTARU_VITAL_WARNING", 6118}}},
    {"11 JP Kushiro", nullptr, nullptr, 0,
     {{"NAVTEX_11_KUSHIRO_FORECAST", 6121},
      {"NAVTEX_11_KUSHIRO_IMPORTANT_WARNING", 6122},
      {"NAVTEX_11_KUSHIRO_VITAL_WARNING", 6123}}},
    {"12 US Astoria", nullptr, nullptr, 0,
     {{"NAVTEX_12_ASTORIA_FORECAST", 6201}, {"NAVTEX_12_ASTORIA_WARNING", 6202}, SANS}},
    {"12 US San Francisco", nullptr, nullptr, 0,
     {{"NAVTEX_12_PT-REYES_FORECAST", 6211}, {"NAVTEX_12_PT-REYES_WARNING", 6212}, SANS}},
    {"12 US Cambria", nullptr, nullptr, 0,
     {{"NAVTEX_12_CAMBRIA_FORECAST", 6221}, {"NAVTEX_12_CAMBRIA_WARNING", 6222}, SANS}},
    {"12 US Marianas", nullptr, nullptr, 0,
     {{"NAVTEX_12_MARIANAS_FORECAST", 6231}, {"NAVTEX_12_MARIANAS_WARNING", 6232}, SANS}},
    {"12 US Honolulu", nullptr, nullptr, 0,
     {{"NAVTEX_12_HONOLULU_FORECAST", 6241}, {"NAVTEX_12_HONOLULU_WARNING", 6242}, SANS}},
    {"12 US Kodiak, Gulf of Alaska", nullptr, nullptr, 0,
     {{"NAVTEX_12_KODIAK_GULF_OF_ALASKA_FORECAST", 6251},
      {"NAVTEX_12_KODIAK_GULF_OF_ALASKA_WARNING", 6252},
      SANS}},
    {"12 US Kodiak, Alaska", nullptr, nullptr, 0,
     {{"NAVTEX_12_KODIAK_ALASKA_FORECAST", 6261}, {"NAVTEX_12_KODIAK_ALASKA_WARNING", 6262}, SANS}},
    {"12 US Kodiak, Ice Sea", nullptr, nullptr, 0,
     {{"NAVTEX_12_KODIAK_ICE_SEA_ADVISORY", 6271}, SANS, SANS}},
    {nullptr, nullptr, nullptr, 0, {}},
};
