// The part of a map view that the field contouring needs, copied from the
// map before each use so that the contouring runs without the toolkit: the
// world raster (W x H raster pixels from 180 W and 90 N), the widget's size
// and position, and the offsets and scale that place the view on the raster.
#ifndef MAP_VUE_CARTE_H
#define MAP_VUE_CARTE_H

struct VueCarte {
    int W = 0, H = 0;              // raster size
    int largeur = 0, hauteur = 0;  // widget size
    int x = 0, y = 0;              // widget position
    double ox = 0.0, oy = 0.0;     // offsets, raster pixels
    double s = 1.0;                // raster pixels per screen pixel

    // False for a view that nothing can be drawn in, or that the
    // conversions would divide by zero for: empty raster or widget, scale
    // not positive.
    bool utilisable() const;
    // The longitude shift of the view's dateline regime.
    double decalageLongitude() const;
    // Widget row of a latitude (not truncated) and widget column of a
    // longitude (rounded), as the map converts them.
    double ligne(double latitude) const;
    double colonne(double longitude) const;
    // Latitude of a widget row and longitude (unfolded) of a widget column.
    double latitude(double ligne) const;
    double longitude(double colonne) const;
};

// A double truncated toward zero into the int range; NaN gives 0.
int iTronqueBorne(double v);

#endif
