// The rules of the GRIB request's zone, without a display: every bound a
// whole multiple of the request's mesh, the moves of the map's keys, and
// what a wheel turn on one bound field may leave. The zone panel applies
// them to its four fields.
#ifndef PAGES_REGLES_ZONE_H
#define PAGES_REGLES_ZONE_H

// A zone's bounds in degrees; west may lie east of east when the zone
// crosses the antimeridian.
struct CadreZone {
    double nord, sud, ouest, est;
};

// The four bound fields, as the wheel names the one it turned.
enum { BORNE_NORD, BORNE_SUD, BORNE_OUEST, BORNE_EST };

// Each bound onto the mesh (ties to even); west and east then brought
// back by 360 degrees at most once into -180..180. A mesh that is not
// positive leaves the bounds as they are.
CadreZone cadreAccroche(const CadreZone& c, double maille);

// The bounds onto the mesh, at least one mesh high and wide: the south
// moves down, the east right. `c` receives the bounds unwrapped (a zone
// across the antimeridian keeps east > west); the result is what the
// fields show, wrapped as by cadreAccroche.
CadreZone cadreAccrocheMinimal(CadreZone& c, double maille);

// The middle third of a view's extent (its top and bottom latitudes, its
// left and right longitudes), unsnapped: the zone a switched-on frame
// starts with.
CadreZone cadreTiersMilieu(double haut, double bas, double gauche, double droite);

// One move of the map's keys (ZONE_OUEST ... ZONE_MOINS of the map's
// host) applied to `c`, unsnapped; false, `c` unchanged, when the move
// would take the zone past a pole or shrink it below one mesh.
bool bDeplacerZone(int mouvement, CadreZone& c, double maille);

// After a wheel turn changed bound `borne`: north and south back inside
// -90..90; a zone thinner than one mesh, turned inside out or (across
// west and east) wider than 180 degrees gets back one mesh, moving the
// bound that was turned.
void vRegleMolette(int borne, CadreZone& c, double maille);

#endif
