// Picture files whose headers claim a size their octets do not hold, as a
// received file can: the first segments of a JPEG (start, JFIF, frame
// header, end marker), a PNG signature and header chunk, a GIF screen and
// one image descriptor.
#ifndef TESTS_OUTILS_IMAGES_TEST_H
#define TESTS_OUTILS_IMAGES_TEST_H

#include <string>

std::string jpegEnTete(unsigned largeur, unsigned hauteur);
std::string pngEnTete(unsigned largeur, unsigned hauteur);
std::string gifEnTete(unsigned ecranL, unsigned ecranH, unsigned imageL, unsigned imageH);

#endif
