// The map widget of every page: a view cut from an equirectangular world
// raster of W x H raster pixels (x over 360 degrees from 180 W, y over 180
// degrees from 90 N), placed by two offsets and a scale in raster pixels per
// screen pixel. The raster is the base image stretched vertically by 1.4,
// or a fine virtual raster for the vector-only map.
#ifndef MAP_FDC_H
#define MAP_FDC_H

#include "gribdata/refus_grib.h"
#include "map/vue_carte.h"

#include <FL/Fl_Box.H>
#include <cstddef>
#include <ctime>
#include <memory>

class Dru_Pixmap;
class Fl_Image;
class Fl_Input_;
class Fl_RGB_Image;
class Histogrammes;
class PlagesGardees;
class TraceGlyphes;
class classeBoutonImage;
class isoplages;
struct ImageBandes;
struct grib;
struct TYPEDEF_TDC;

// The map height of the smallest main window (539 - 168).
extern int INTERFACE_FDC_HAUTEUR_MINIMUM;
// Coordinates shown in degrees, minutes and seconds (1) or decimal degrees.
extern int POSITIONDDMMSS;
// The title bar's coordinate inputs, which the cursor read-out fills; null
// until the title bar exists.
extern Fl_Input_* FDC_ENTREE_LATITUDE;
extern Fl_Input_* FDC_ENTREE_LONGITUDE;
// Their font size; a position too wide for a field at that size is
// written smaller, down to FDC_ENTREE_TAILLE_MIN.
constexpr int FDC_ENTREE_TAILLE = 12;
constexpr int FDC_ENTREE_TAILLE_MIN = 8;

// Room for a position text (DMS, iDecimal), terminator included; a longer
// text is cut.
constexpr int FDC_TEXTE_POSITION = 16;

// Sizes of the vector-only world raster.
constexpr int FDC_VECTEUR_W = 36000000;
constexpr int FDC_VECTEUR_H = 25200000;

// Base-map kinds.
enum { FDC_SATELLITE = 0, FDC_DESSINEE = 1, FDC_VECTEUR = 3 };

class fdc : public Fl_Box {
public:
    fdc(int x, int y, int w, int h, const char* label = nullptr);
    ~fdc() override;
    fdc(const fdc&) = delete;
    fdc& operator=(const fdc&) = delete;

    // The splash during start-up; else the base image and the layers in
    // their fixed order, which depends on the page and, for the request
    // page, on its sub-page showing.
    void draw() override;
    // Keys, presses, moves and the wheel only while the pointer is over
    // the map (bPointeurDessus); a drag and its release follow the press.
    int handle(int event) override;

    // ---- The pointer.
    // The one rule for the title bar's position fields, the keys and the
    // read-out: the current event's screen position lies in this map's box
    // and the map shows. Decided from each event, not kept: the toolkit's
    // enter and leave miss a page that hides or a box that moves under a
    // still pointer.
    bool bPointeurDessus() const;
    // Gives this map the keyboard when the pointer is over it.
    void vPrendreClavier();

    // ---- Input.
    // Keys; 1 when used. Route keys need an edited route.
    int clavier();
    // A press of a mouse button (`button` is 1); double clicks zoom.
    int bouton_presse(int button);
    // The cursor's position into the title bar and the read-out.
    void mousemove();
    // A drag of the left button: the request frame, or the view.
    void mousedrag();

    // ---- Set-up and base maps.
    // Kind, nominal height and page index; the loading message; the
    // vector-only world; on page 0 the marker.
    void initialisation(int kind, int height, int viewer);
    // Installs a base map (the pixmap first, else the picture, else none)
    // and puts the same view back on the new raster. During an auto-repeat
    // zoom a picture stops the zoom (the picture it replaces may be about
    // to go); anything else is refused.
    void load_image(Fl_RGB_Image* image, Dru_Pixmap* pixmap);
    // Chooses the base-map kind, or steps the coastline level when the kind
    // is already shown (kinds 0 and 1 only with `cycle`).
    void fdcCallback(int kind, int cycle);
    // Rebuild the view image after the offsets or the scale changed.
    void recalculer(int reallocate);
    void recalculerImage(double firstRow, int width, int rows, double step);
    // The request frame's translucent fill (the image is the caller's, the
    // pixels the map's) and the marker (both the map's).
    Fl_RGB_Image* fond_bleu_transparent(int w, int h);
    Fl_RGB_Image* fond_orange_transparent();

    // ---- Navigation.
    // A locked map never moves but by its own controls, the padlock and the
    // field it follows: every move a user asks for (mouse, keys, title-bar
    // tools, a repeat under way) asks this first.
    bool bVueLibre() const { return !verrou; }
    // A decoded field to read at the validity shown.
    bool bChampLisible() const;
    void deplacer(int dx, int dy);
    // One step in (+1) or out (-1) about the centre or the zoom anchor;
    // 1 when the scale is at its limit and nothing changed.
    int zoom(double steps);
    // Centres on a point; a span of 0 keeps the current one.
    void zoom(double latitude, double longitude, double span, int resize);
    void redimensionner();
    void mousewheel();
    void zoomerCallback();
    void dezoomerCallback();
    void zonesCallback(int row);
    // Fits a locked view to the first displayed field's grid.
    void gribVerrou(int resize);
    void vArreterZooms();
    // The auto-repeat steps as toolkit timeouts (data: the map).
    static void vZoomerTimeout(void* carte);
    static void vDezoomerTimeout(void* carte);

    // ---- View limits and coordinates.
    // Clamps the scale between its limits.
    void test_zoom();
    // Keeps the view inside the raster vertically; answers the raster row
    // of the view's bottom edge before the correction.
    int test_limites();
    // Keeps the x offset within one world on either side.
    void vEnrouler();
    // The longitude shift of the view's dateline regime.
    double dLongitudeDecalage() const;
    // Window pixel to latitude / longitude (unfolded), and back to pixels
    // relative to the map.
    double dLatitude(int sy) const;
    double dLongitude(int sx) const;
    double dLigne(double latitude) const;
    int iColonne(double longitude) const;
    // The centre of the view from its offsets.
    void vCentre();
    // The pointer's position into the title bar's inputs, while it is over
    // this map, outside a drawing, into the fields not being typed in.
    void coordonneesmouse();
    // Degrees-minutes-seconds or decimal text of one coordinate, with its
    // hemisphere letter, in FDC_TEXTE_POSITION bytes; answers its length.
    static int DMS(int isLongitude, double degrees, char* out);
    static int iDecimal(int isLongitude, double degrees, char* out);

    // ---- Request-frame geometry.
    int overlay_in_screen(int px, int py, int wide);
    int mouse_in_overlay(int x, int y);
    int mouse_in_move_overlay(int x, int y);
    // The frame rectangle from its geographic bounds.
    void vOverlayDepuisBornes();

    // ---- The request frame of the request page (page 0): the zone of its
    // GRIB request, drawn over the map and changed by the mouse, the keys
    // and the title bar's position inputs.
    // After any change of the bounds: snapped to the mesh and the model's
    // grid through the page, which rewrites the request and checks which
    // models hold the frame.
    void overlay_cadre();
    // 1 hides the frame; 2 takes it from the zone fields and shows it; 0
    // (while the map draws) writes its bounds beside it; 2 and 3 ask for a
    // redraw.
    void overlay_output(int mode);
    void draw_overlay(int resized);
    // The frame's centre onto the view's centre, or onto the pointer
    // (through the page's zone).
    void overlay_move();
    void overlay_deplace();
    // The title bar's latitude (`which` non-zero) or longitude typed: the
    // view centres there, and the frame with it.
    // False, the view kept, on a locked map.
    bool inputCallback(int which, float value);
    // The three modes of a drag of the left button.
    void redimensionnement_overlay();
    void drag_overlay();
    void mousedrag_fdc();
    // The bounds' texts beside the frame, when it is far enough from the
    // view's sides and large enough.
    void vEcrireBornesCadre();
    // The GRIB request's mesh as the page gives it; 0 without a page.
    double overlayMaille() const;

    // ---- Layers of the map's own: the coastline (mode -1 over opaque
    // bands; 1 or more first paints the plain sea), one coastline record,
    // the graticule, the scale and the messages (kind 0 the loading text,
    // 1 a caption, 2 a notice, 3 what the program misses of its data, over a
    // map showing no field).
    void draw_tdc(int resized, int mode);
    void draw_tdc_vecteur(TYPEDEF_TDC* record, double shift, double levelScale, double south,
                          double west, int level, int mode);
    void draw_tdc_vecteur_fill(TYPEDEF_TDC* record, double shift, double levelScale,
                               double south, double west);
    void drawLatLon();
    // The place names of the data file, then the compiled ones.
    void pays();
    void pays2();
    void echelle();
    void draw_message(int kind, char* text);

    // ---- Displayed fields: the map's decoded copies of the file's records
    // of the pressed parameters at the pressed validity, each followed by
    // its companions, with the labels under the map.
    // A null list keeps the fields and only relabels them.
    void vGrib(grib* list, classeBoutonImage** parameters, classeBoutonImage** validities,
               Fl_Box* title, Fl_Box* second, Fl_Box* right, Fl_Box* left);
    // Writes the four labels from the displayed fields.
    void vEtiqueterGrib();
    // A file the page cannot show: no displayed field, and the labels say
    // why in the running language (relabelled by vGrib with a null list).
    void vRefuserFichier(const RefusGrib& refus, Fl_Box* title, Fl_Box* second, Fl_Box* right,
                         Fl_Box* left);
    // The incompatibility message and its reason under the map.
    void vEtiqueterRefus();
    void vGribFree(int keepRoutes);
    // No file any more: the displayed fields freed, the file's lists and
    // any refusal forgotten.
    void vOublierGrib();
    // Pass 0: the bands, then the arrows and wind flags, then the coastline
    // over nearly opaque bands; any other pass: the isoline labels.
    void drawgrib(int pass);
    void draw_isoplages(grib* record);
    // Blends a band picture whose north-west corner lies at those bounds
    // into the map, clipped to it.
    void vPoserIsoplages(const ImageBandes& picture, double north, double west);
    // Wind flags of a wind u record, arrows of a current u or wave
    // direction record, over the view bounds (degrees, unfolded).
    void draw_vent(grib* record, double north, double south, double west, double east);
    void draw_vecteur(grib* record, double north, double south, double west, double east);
    // One glyph at a position; `spacing` is the distance in degrees
    // between two drawn glyphs. Kind 1 sea state, 2 current.
    void windflag(float direction, float speed, double longitude, double latitude,
                  double spacing);
    void vecteur(int kind, float direction, float value, double longitude, double latitude,
                 double spacing);
    // Middle click: the band field's value under the cursor becomes its
    // family's isoline reference.
    void change_reference();

    // The cursor read-out: the values of the displayed fields at the grid
    // point under the last cursor position, in the read-out popup.
    void mouseValeurs();
    // Reads again once the displayed fields changed, while the read-out is
    // on and the pointer over the map: the popup never keeps the values of
    // fields no longer shown.
    void vRelireValeurs();

    // ---- Point charts: the forecast of every displayed quantity at the
    // grid point nearest to (latitude, longitude), over the file's forecast
    // times, in the map's chart window; rebuilt only for another grid point.
    void vFdcHistogramme(double latitude, double longitude);
    // Destroys the chart window, if any, and rebuilds the window menu.
    void vFermerHistogrammes();
    // The page's file goes or another takes its place: its chart window
    // closes, and the next chart decodes the file then shown.
    void vOublierHistogrammes();

    // ---- Catalogue overlays. The Metarea zones of GMDSS: 0 in their own
    // colours with the area names, 1 all grey, 2 white zones and red
    // limits. The domains of the offered models, framed and labelled.
    void bulletins(int mode);
    void modeles();

    // ---- The image products' zones and fronts (fdc_images.cpp), and the
    // routes.
    void images();
    void preisos();
    // The visible routes of pRoutesCarte(), each brought to the validity
    // shown and charted along the file shown (the route window notes this
    // map as the last to draw them).
    void drawRoutes();
    // The view as the contouring reads it.
    VueCarte vueCarte() const;
    // The page's isoline settings, opacity and isoline flag into a band
    // object, in its stored units.
    void vReglerIsoplages(isoplages& bands) const;

    // Translucent request-frame fill and the 26 x 26 marker.
    unsigned char* fondBleu = nullptr;
    unsigned char* marqueurPixels = nullptr;
    Fl_RGB_Image* marqueur = nullptr;
    double facteurHauteur = 1.4;
    // Presses of the left, middle and right buttons in a row, and the
    // press and drag positions.
    int pressionGauche = 0, pressionMilieu = 0, pressionDroite = 0;
    int pressionX = 0, pressionY = 0, glisse = 0;
    // The chart window of a map point (owned) and its state: -1 no charts
    // for this file, 0 not prepared, 1 its records decoded.
    Histogrammes* histogrammes = nullptr;
    int histogrammeEtat = 0;
    int histogrammeMode = 0;  // the viewer's chart button is down
    // The grid point charted last, and the samples of each chart kind.
    int histogrammeColonne = -1, histogrammeLigne = -1;
    int histogrammeCompteurs[32] = {};
    Dru_Pixmap* pixmapHD;  // the drawn map offered as kind 1; not owned
    int zoomIn = 0;        // auto-repeat zoom counters, 0 when idle
    int zoomOut = 0;
    int overlay = 0;       // the request frame is shown
    int largeur, hauteur;  // the size the view was last computed for
    double centreLatitude = 0.0, centreLongitude = 0.0;
    double etendue = 180.0;            // view height in degrees
    double ancreY = 0.0, ancreX = 0.0;  // zoom anchor, raster pixels; 0: none
    int niveauTraitCote = 0;           // coastline over a picture, 0..3
    int verrou = 0;                    // padlock: the view follows the field

    // Display settings of the field drawing.
    int beaufort = 1;
    int merClasses = 1;
    unsigned char opacite = 129;
    Fl_RGB_Image* vueImage = nullptr;  // resampled satellite view; owned
    grib* isoplageAffichee = nullptr;  // the field last drawn as bands
    int isolignes = 1;
    int isobareIntervalle = 5, isobareReference = 1015;
    double isothermeIntervalle = 2.0, isothermeReference = 16.0;
    int isotaches = 0;
    double ventReference = 22.0;
    double ventIntervalle = double(1.0e-37f);  // none chosen: classes
    int ventClasse = 6;
    int superposition = 0;
    double vaguesIntervalle = double(1.0e-37f);
    double vaguesReference = 4.0;
    int vaguesClasse = 5;
    double periodeIntervalle = 1.0, periodeReference = 8.0;
    int humiditeIntervalle = 10, humiditeReference = 70;
    double courantIntervalle = 0.25, courantReference = 0.5;
    double pluieIntervalle = 1.0, pluieReference = 5.0;
    double couche67Intervalle = 25.0, couche67Reference = 100.0;
    int lecture = 0;  // the value read-out is on
    int lectureEtat = 0;
    bool lectureEnCours = false;  // mouseValeurs is running
    int animation = 0;
    int zonesGmdss = 0;  // Metarea zones: 0 off, 1 beneath, 2 on top
    int page = 0;
    int fond = FDC_VECTEUR;

    // The drawn-map path: installed pixmap, view pixmap, temporary cut.
    Dru_Pixmap* pixmap = nullptr;
    Fl_Image* vuePixmap = nullptr;
    char** decoupe = nullptr;
    // The satellite path: installed picture (not owned), its pixels,
    // bytes per pixel and bytes per row.
    Fl_RGB_Image* photo = nullptr;
    const unsigned char* pixels = nullptr;
    int profondeur = 0;
    int pasLigne = 0;
    int W = 0, H = 0;
    int hauteurImage = 0;
    double ox = 0.0, oy = 0.0;
    int hauteurNominale = 420;
    unsigned char* reechantillon = nullptr;  // owned
    size_t reechantillonTaille = 0;
    double echelleMin = 0.0, echelleMax = 0.0, echelleCourante = 0.0;
    double echelleVue = 1.0;  // whole-height scale V
    double seuils[6] = {};    // m/2, m/4, m/16, m/96, m/512, m/1024
    int carteX, carteY;       // the widget's position
    int curseurX = 0, curseurY = 0;
    // The request frame: its rectangle (pixels relative to the map; the
    // width and height are negative while a resize drags the corner above
    // or left of the opposite one), its bounds (degrees; west below -180
    // or east above 180 across the antimeridian), and its height and width
    // in degrees as a resize or the zone fields last set them, which a
    // move keeps.
    int cadreGauche = 0, cadreHaut = 0, cadreLargeur = 0, cadreHauteur = 0;
    double cadreNord = 0.0, cadreSud = 0.0, cadreOuest = 0.0, cadreEst = 0.0;
    double etendueCadreLatitude = 0.0, etendueCadreLongitude = 0.0;
    // Where in the frame the pointer took hold during a move (x 0: not
    // yet); a pointer move lets go.
    int priseX = 0, priseY = 0;
    // The mode of the drag under way, chosen at its first event.
    int glisseRedimension = 0, glisseDeplacement = 0, glissePan = 0;
    // The boat drawn at the frame's centre: 0 the monohull.
    int bateau = 0;
    char chargement[128] = "";
    int chargementAffiche = 0;
    int listeEtat = 0;
    grib* champs = nullptr;        // displayed-field list; owned
    // The band pictures and labels of those fields as last drawn; forgotten
    // with the fields.
    std::unique_ptr<PlagesGardees> plagesGardees;
    double echelleGribMin = 0.0;   // field-resolution limit, 0 = none
    // What vGrib was last given: the file's records, the parameter and
    // validity buttons (null-terminated) and the four label boxes; none
    // owned.
    grib* gribListe = nullptr;
    classeBoutonImage** gribParametres = nullptr;
    classeBoutonImage** gribValidites = nullptr;
    Fl_Box* boiteTitre = nullptr;
    Fl_Box* boiteSeconde = nullptr;
    Fl_Box* boiteDroite = nullptr;
    Fl_Box* boiteGauche = nullptr;
    // Why the first displayed field, or the whole file, is not drawn.
    RefusGrib refus;
    // Why part of what the page shows is missing while the rest is drawn,
    // said after the parameters' line: a later displayed field not drawn
    // (set by vGrib), and the file's own lack (its last message cut short),
    // set by the page with the file.
    RefusGrib lacune, lacuneFichier;
    // Where the glyphs are drawn: the toolkit unless a test records them.
    TraceGlyphes* traceGlyphes;
    // Set while draw() runs: what it rebuilds is drawn at once, so no
    // further drawing is asked for.
    int dessinEnCours = 0;
};

// The request frame's translucent fill, made again at each drawing of the
// frame at its visible size; owned here.
extern Fl_RGB_Image* FDCTR;

// Steps of the auto-repeat zoom, run as toolkit timeouts.
void zoomer(fdc* carte);
void dezoomer(fdc* carte);

#endif
