#include "map/echelles_couleurs.h"

#include "codes/navigation.h"

#include <FL/fl_draw.H>
#include <cmath>

namespace {

typedef unsigned char RVB[3];

const RVB VERT_PALE = {0, 254, 128}, VERT = {0, 254, 0}, JAUNE = {254, 254, 0},
          ORANGE = {254, 128, 0}, ROUGE = {254, 32, 32}, ROUGE_FONCE = {192, 32, 32};
const RVB B_VERT_PALE = {0, 127, 64}, B_VERT = {0, 127, 1}, B_JAUNE = {127, 127, 1},
          B_ORANGE = {127, 64, 1}, B_ROUGE = {127, 16, 16}, B_ROUGE_FONCE = {96, 16, 16};

const unsigned char* const BEAUFORT[13] = {VERT_PALE, VERT_PALE, VERT_PALE, VERT, VERT,
                                           JAUNE, JAUNE, ORANGE, ORANGE, ROUGE,
                                           ROUGE, ROUGE_FONCE, ROUGE_FONCE};
const unsigned char* const BEAUFORT_SOMBRE[13] = {
    B_VERT_PALE, B_VERT_PALE, B_VERT_PALE, B_VERT,  B_VERT,  B_JAUNE,      B_JAUNE,
    B_ORANGE,    B_ORANGE,    B_ROUGE,     B_ROUGE, B_ROUGE_FONCE, B_ROUGE_FONCE};
const unsigned char* const MER[10] = {VERT_PALE, VERT_PALE, VERT_PALE, VERT, JAUNE,
                                      ORANGE, ORANGE, ROUGE, ROUGE, ROUGE_FONCE};
const unsigned char* const MER_BORDURE[10] = {B_VERT_PALE, B_VERT_PALE, B_VERT_PALE,
                                              B_VERT, B_JAUNE, B_ORANGE,
                                              B_ROUGE, B_ROUGE, B_ROUGE, B_ROUGE_FONCE};
const unsigned char* const COURANT[9] = {VERT_PALE, VERT_PALE, VERT, JAUNE, JAUNE,
                                         ORANGE, ORANGE, ROUGE, ROUGE};
const unsigned char* const COURANT_BORDURE[9] = {B_VERT_PALE, B_VERT_PALE, B_VERT,
                                                 B_JAUNE, B_JAUNE, B_ORANGE,
                                                 B_ORANGE, B_ROUGE, B_ROUGE};

template <int N>
const unsigned char* ligne(const unsigned char* const (&table)[N], int i,
                           const unsigned char* ailleurs)
{
    return i >= 0 && i < N ? table[i] : ailleurs;
}

void vCouleur(const unsigned char* rvb)
{
    if (rvb)
        fl_color(rvb[0], rvb[1], rvb[2]);
}

}  // namespace

const unsigned char* pucBeaufort(int force) { return ligne(BEAUFORT, force, nullptr); }
const unsigned char* pucBeaufortSombre(int force) { return ligne(BEAUFORT_SOMBRE, force, nullptr); }
const unsigned char* pucMer(int classe) { return ligne(MER, classe, nullptr); }
const unsigned char* pucMerBordure(int classe) { return ligne(MER_BORDURE, classe, nullptr); }
const unsigned char* pucCourant(int classe) { return ligne(COURANT, classe, ROUGE_FONCE); }
const unsigned char* pucCourantBordure(int classe)
{
    return ligne(COURANT_BORDURE, classe, B_ROUGE_FONCE);
}

void beaufortCouleur(int force) { vCouleur(pucBeaufort(force)); }
void merCouleur(int classe) { vCouleur(pucMer(classe)); }
void merCouleurBordure(int classe) { vCouleur(pucMerBordure(classe)); }
void courantCouleur(int classe) { vCouleur(pucCourant(classe)); }
void courantCouleurBordure(int classe) { vCouleur(pucCourantBordure(classe)); }

void vInlineUVDF(float u, float v, float& direction, float& speed)
{
    vUVDF(u, v, direction, speed);
}
