#include "map/fdc_couches.h"

#include "map/fdc.h"

BoiteVue boiteVue(const fdc& c)
{
    const double d = c.dLongitudeDecalage();
    return {90 - c.oy * 180.0 / c.H, 90 - (c.oy + c.hauteur * c.echelleCourante) * 180.0 / c.H,
            c.ox * 360.0 / c.W + d, (c.ox + c.largeur * c.echelleCourante) * 360.0 / c.W + d};
}

ProjectionTdc projectionCarte(const fdc& c)
{
    return projectionTdc(c.W, c.H, c.ox, c.oy, c.echelleCourante, -c.dLongitudeDecalage(), c.carteX,
                         c.carteY, c.largeur, c.hauteur);
}
