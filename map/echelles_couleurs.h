// The colours of wind forces, sea-state classes and current classes, shared
// by the wind flags, the wave and current arrows and the charts, and the
// conversion of a vector's components to a direction and a speed.
#ifndef MAP_ECHELLES_COULEURS_H
#define MAP_ECHELLES_COULEURS_H

// Each sets the toolkit's drawing colour; outside its table
// beaufortCouleur (0..12), merCouleur and merCouleurBordure (0..9) leave it
// unchanged, while the current colours use their last row.
void beaufortCouleur(int force);
void merCouleur(int classe);
void merCouleurBordure(int classe);
void courantCouleur(int classe);
void courantCouleurBordure(int classe);

// The colour each of the above would set, as red, green, blue; null when
// it leaves the colour unchanged.
const unsigned char* pucBeaufort(int force);
// The dark shade under a wind flag of that force (0..12, else null).
const unsigned char* pucBeaufortSombre(int force);
const unsigned char* pucMer(int classe);
const unsigned char* pucMerBordure(int classe);
const unsigned char* pucCourant(int classe);
const unsigned char* pucCourantBordure(int classe);

// Direction the wind or current comes from, degrees clockwise from north
// (0 to 360: a vector towards the south gives 360, not 0), and speed in the
// unit of u and v; single precision throughout.
void vInlineUVDF(float u, float v, float& direction, float& speed);

#endif
