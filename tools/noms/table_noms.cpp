// Turns the gazetteer (one place name per line, in the format of
// "img/datapays.txt") into the source of the compiled table ST_PAYS2:
//     table_noms GAZETTEER OUTPUT.cpp
// Every line that is not a comment must hold the eight fields: a line the
// program would refuse stops the build, with its number.
#include "map/pays_ligne.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// A C string literal of the name: quotes, backslashes and control bytes
// escaped, UTF-8 left as it is.
std::string litteral(const char* s)
{
    std::string r = "\"";
    for (; *s; ++s) {
        const unsigned char c = (unsigned char)*s;
        if (c == '"' || c == '\\') {
            r += '\\';
            r += char(c);
        } else if (c < 0x20 || c == 0x7F) {
            char o[8];
            std::snprintf(o, sizeof o, "\\%03o", c);
            r += o;
        } else {
            r += char(c);
        }
    }
    return r + "\"";
}

std::string ligneTable(const TYPEDEF_PAYS& p)
{
    char nombres[160];
    std::snprintf(nombres, sizeof nombres, "    {%d, %uu, %uu, %uu, %.17g, %.17g, ", p.masque,
                  p.couleur, p.taille, p.style, p.latitude, p.longitude);
    return nombres + litteral(p.francais) + ", " + litteral(p.autre) + ", nullptr},\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: table_noms GAZETTEER OUTPUT.cpp\n";
        return 2;
    }
    std::ifstream entree(argv[1]);
    if (!entree) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::ostringstream table;
    std::string ligne;
    int numero = 0, noms = 0;
    while (std::getline(entree, ligne)) {
        ++numero;
        if (ligne[0] == '#')
            continue;
        TYPEDEF_PAYS p{};
        if (iLirePays(ligne.c_str(), p) != 8 || p.masque == 0) {
            std::cerr << argv[1] << ":" << numero << ": not a place name: " << ligne << "\n";
            return 1;
        }
        table << ligneTable(p);
        ++noms;
    }
    std::ofstream sortie(argv[2]);
    sortie << "// Made by the build from the gazetteer: " << noms << " names.\n"
           << "#include \"map/pays.h\"\n\n"
           << "const TYPEDEF_PAYS ST_PAYS2[] = {\n"
           << table.str() << "    {0, 0u, 0u, 0u, 0, 0, \"\", \"\", nullptr},\n};\n";
    return sortie.good() ? 0 : 1;
}
