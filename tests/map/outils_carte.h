// Pixmaps and maps made for the map tests.
#ifndef TESTS_MAP_OUTILS_CARTE_H
#define TESTS_MAP_OUTILS_CARTE_H

#include <functional>
#include <string>

class Dru_Pixmap;

// Lines of a w x h pixmap with `ncolors` colours ('a', 'b'... each
// (10 x i, 20 x i, 30 x i)) whose pixel (x, y) is octet(x, y).
char** lignesPixmap(int w, int h, int ncolors,
                    const std::function<unsigned char(int, int)>& octet);

// The same pixmap as a file image.
std::string fichierPixmap(int w, int h, int ncolors,
                          const std::function<unsigned char(int, int)>& octet);

// The one-degree drawn world map of the test data, loaded (null when it
// cannot be read).
Dru_Pixmap* pixmapMonde();

// Path of a file of the test data.
std::string donneeTest(const std::string& nom);

#endif
