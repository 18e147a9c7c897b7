// A page of the main window's tabs: page 0 builds requests, pages 1 to 9
// view GRIB files. Every page has the same frame: a left panel 230 pixels
// wide, a strip of ten one-pixel shade columns, its own map and a bottom
// strip under the map. The fields are grouped by role; the panels of each
// page kind add theirs in their own group.
#ifndef PAGES_VR_H
#define PAGES_VR_H

#include "gribdata/modeles.h"
#include "pages/regles_envoi.h"
#include "pages/regles_zone.h"
#include "ui/configuration.h"

#include <FL/Fl_Group.H>
#include <array>
#include <functional>
#include <string>
#include <vector>

class AIDE;
class Abonnement;
class BoutonsRVA;
class DRU_Fl_File_Chooser;
class File;
class Fl_Box;
class Fl_Double_Window;
class Fl_Image;
class Fl_Menu_;
class Fl_Menu_Bar;
class Fl_Output;
class Fl_Pack;
class Fl_Scroll;
class Fl_Slider;
class Fl_Tabs;
class Fl_Text_Buffer;
class Fl_Text_Editor;
class Fl_Widget;
class Recapitulatif;
class classeBouton;
class classeBoutonImage;
class classeRoundBouton;
class fdc;
class requete;
class spinnerOutput;
class spinnerPosition;
struct Fl_Menu_Item;
struct Libre;
struct TYPEDEF_PARAMETRE;
struct grib;

#define VR_PAGES 10
// What a viewer lists of one file: distinct validities, displayable
// parameters, and the day rows of its validity buttons.
#define VR_VALIDITES 4096
#define VR_PARAMETRES 32
#define VR_JOURS 63

// The sections of the GRIB request accordion below the Zone section, each
// a title group and a content group (null until the model choice builds
// them), folded and unfolded by the switch of its title.
enum {
    SECTION_MODELES,
    SECTION_MAILLES,
    SECTION_PARAMETRES,
    SECTION_ECHEANCES,
    SECTION_TERRE,
    SECTION_DEPLACEMENT,
    SECTIONS_GRIB
};
// The sections of the bulletin page.
enum { SECTION_GMDSS, SECTION_NAVTEX, SECTION_LARGE, SECTION_COTES, SECTIONS_BULLETINS };
// A section of an accordion: its title group, its content group and the
// switch of its title.
struct SectionGrib {
    Fl_Group* titre = nullptr;
    Fl_Group* contenu = nullptr;
    classeBouton* deplier = nullptr;  // "@+2>" folded, "@+22>" open
    // The title's text and its catalogue key, which may follow a state
    // (null for titles of their own kind, buttons).
    Fl_Box* libelle = nullptr;
    const char* cle = nullptr;
    classeBouton* charger = nullptr;  // a load button in the title, or null
    // Widgets of the content named from the catalogue: their label's and
    // tooltip's keys (either null). Kept here, they go with the section.
    struct Texte {
        Fl_Widget* widget;
        const char* libelle;
        const char* bulle;
    };
    std::vector<Texte> textes;
};
// The sizes of the sections' titles and of the texts of their content.
constexpr int TAILLE_TITRE_SECTION = 13, TAILLE_TEXTE_SECTION = 12;
// The titles, load buttons and content texts of an accordion's sections in
// the language just loaded.
void vLangageSections(SectionGrib* sections, int nombre);
// A cost and volume line of a recapitulation: its history button and the
// two unit boxes beside the outputs.
struct LigneCout {
    classeBouton* historique = nullptr;
    Fl_Box* euros = nullptr;
    Fl_Box* koctets = nullptr;
};
// The iso menus' headers the language switch relabels: their positions in
// vr::MenuTable.
#define VR_ENTETES_ISO 10

// The product pages of the request page, as the settings' "onglets" keep
// the last one: GRIB (or packages), bulletins, images, routes.
enum { ONGLET_GRIB = 0, ONGLET_BULLETINS, ONGLET_IMAGES, ONGLET_ROUTES };
// The product bar's buttons, by their numbers.
enum { GBI_FORFAITS = 0, GBI_GRIB, GBI_BULLETINS, GBI_IMAGES, GBI_ROUTES, GBI_BOUTONS };

class vr : public Fl_Group {
public:
    // An empty page; initialisation() builds it.
    vr(int x, int y, int w, int h, const char* label);
    // Stores the map's view and the window geometry once the loaders are
    // done, then releases what the page owns.
    ~vr() override;
    vr(const vr&) = delete;
    vr& operator=(const vr&) = delete;

    // Builds page `index` (0 the request page, 1 to 9 viewers) and adds it
    // to the main window's tab group.
    void initialisation(void* mainWindow, int mapHeight, int index);
    // Lays out the viewer's accordion for a help topic (9999: the topic
    // shown last).
    void vGroupVisualisateurArrange(int topic);

    // The left panels.
    void vVisualisateur(int x, int y, int w, int h);
    void vTabsRequeteur(int x, int y, int w, int h);

    // ---- Request page: the Zone section (vr_zone.cpp). Every bound is a
    // whole multiple of the GRIB request's mesh.
    // Snaps a frame and shows it in the four fields.
    void setCoordonnees(double N, double S, double W, double E);
    // Snaps a frame the map gives, at least one mesh high and wide, shows
    // it and writes the snapped bounds back.
    void setgetCoordonnees(double& N, double& S, double& W, double& E);
    void getCoordonnees(double& N, double& S, double& W, double& E);
    // The zone moved or resized by one mesh; refused at a pole or below
    // one mesh.
    void setCoordonneesGauche();
    void setCoordonneesHaut();
    void setCoordonneesDroit();
    void setCoordonneesBas();
    void setCoordonneesPlus();
    void setCoordonneesMoins();
    // A wheel turn on a bound field; the zone switch; the zone cleared.
    static void vInputRequeteurGribZoneCadreCallback(Fl_Widget* champ, void* page);
    static void vBoutonRequeteurGribZoneTitreCallback(Fl_Widget* bouton, void* page);
    // The four fields as a zone.
    CadreZone cadreZone();
    // The fields step by `pas`.
    void vPasChampsZone(double pas);
    // The saved requests' chooser (vr_chargement.cpp): the file chosen
    // in etc/grib/ or etc/bull/ is loaded back into the page.
    static void vBoutonRequeteurBrowserCallback(Fl_Widget* bouton, void* page);
    static void vBoutonRequeteurBrowser2Callback(DRU_Fl_File_Chooser* chooser, void* page);
    // Loads a saved request into the GRIB page (`grib`) or the bulletin
    // and image pages, read as that page's kind wherever the file lies; a
    // file that cannot be loaded changes nothing, is logged and told with
    // its name; the lines a loaded file dropped are told by their count.
    // Answers 1 when it loaded.
    int iChargerRequete(const char* chemin, bool grib);
    void vChargerGrib(const std::string& octets);
    void vChargerBulletins(const requete& lue);

    // ---- Request page: the Models and Mesh sections (vr_modeles.cpp,
    // vr_mailles.cpp). The menus build one button per offered model, or
    // per mesh of model `code`, from (x, y); they answer the y below.
    int menu_modeles(int x, int y, int type, Fl_Callback* rappel);
    void vRequeteurGribModeles();
    static void vBoutonRequeteurGribModelesCallback(Fl_Widget* bouton, void* page);
    int menu_mailles(int x, int y, int code, int type, Fl_Callback* rappel);
    void vRequeteurGribMailles(int code);
    static void vBoutonRequeteurGribMaillesCallback(Fl_Widget* bouton, void* page);
    // Enables the models whose domain holds the frame and switches from a
    // chosen one that no longer does; the code of the last that holds it,
    // 0 when none does or a moving zone leaves the chosen one.
    int CadreModele(double N, double S, double W, double E);
    // The automation panel the model choice builds last.
    void vRequeteurGribAbonnement();

    // ---- Request page: the Parameters section (vr_parametres.cpp): one
    // toggle per parameter of model `code`, carrying its GRIB number.
    int menu_parametres(int x, int y, int code, int type, Fl_Callback* rappel);
    void vRequeteurGribParametres(int code);
    static void vBoutonRequeteurGribParametresCallback(Fl_Widget* bouton, void* page);

    // ---- Request page: the Forecast-times section (vr_echeances.cpp):
    // the run offered now as forecast times or as validities by day and
    // hour, one kind shown at a time, and the step selectors.
    int menu_echeances(int x, int y, int code, int type, Fl_Callback* rappel);
    int menu_validites(int x, int y, int code, int type, Fl_Callback* rappel);
    void vRequeteurGribEcheances(int code);
    static void vBoutonRequeteurGribEcheancesCallback(Fl_Widget* bouton, void* page);
    static void vBoutonRequeteurGribValiditesCallback(Fl_Widget* bouton, void* page);
    // The titles: "Echeances" turns to validities, "Validites" back.
    static void vBoutonRequeteurGribEcheancesTitreCallback(Fl_Widget* bouton, void* page);
    static void vBoutonRequeteurGribValiditesTitreCallback(Fl_Widget* bouton, void* page);
    // The step selectors: 0 "Raz", -1 "Tous", else the step in hours.
    void vRequeteurGribEcheancesPas(int pas);
    // The time buttons of the kind the request asks for (validities or
    // forecast times); null before the section; one of them pressed.
    classeBoutonImage** boutonsTemps() const;
    bool bTempsPresse() const;

    // ---- Request page: the land data and the moving zone
    // (vr_terre.cpp, vr_deplacement.cpp). The moving zone's section is
    // built once and put back with its values after each model choice.
    void vRequeteurGribTerre(int inutilise);
    static void vBoutonRequeteurGribTerreCallback(Fl_Widget* bouton, void* page);
    void vRequeteurGribDeplacement(int inutilise);
    static void vInputRequeteurGribDeplacementCapCallback(Fl_Widget* champ, void* page);
    static void vInputRequeteurGribDeplacementVitesseCallback(Fl_Widget* champ, void* page);
    // Applies the course and speed to the request and to the map's frame,
    // which drops the moving zone when no time is pressed.
    void vRequeteurGribDeplacementSet();
    // The moved frame left its model: no moving zone, no "V" line, the
    // request not sendable until a check of the frame finds it fits again
    // (vDeplacementRetabli).
    void vDeplacementHorsModele();
    void vDeplacementRetabli();

    // ---- Request page: the left panel (vr_requeteur.cpp), the product bar
    // (vr_produits.cpp) and the product tabs (vr_onglets.cpp).
    void BoutonsGBI(int x, int y);
    // Releases the five buttons, then presses Forfaits (0), Grib (1),
    // Bulletins (2), Images (3), else routes (Images without a route window).
    void setBoutonsGBI(int n);
    static void vBoutonGBICallback(Fl_Widget* bouton, void* page);
    static void vTabsRequeteurCallback(Fl_Widget* onglets, void* page);
    // Shows the product page the settings recorded.
    void vTabsActivate();

    // ---- The route window among the pages (vr_routes.cpp). Page 0 builds
    // it as the last of its product tabs; a viewer's routes button brings
    // it into the viewer's tabs (40 px taller there) and takes it out.
    void vConstruireRoutes(int x, int y, int w, int h);
    static void vBoutonRoutesCallback(Fl_Widget* bouton, void* page);
    // Back in page 0's product tabs, 40 px shorter, with every viewer's
    // routes button released; nothing when it is there already.
    void vRoutesAuRequeteur();
    // What the end of the program keeps of the page, kept now: its map
    // view into the settings (once the maps are placed) and, for the
    // request page, the routes file. The page's end does the same.
    void vSauverSession();
    // Shows the GRIB editor and recapitulation (1) or the bulletin ones (0).
    void vBasGrib(int grib);
    // A help button's topic: the accordion of the product page shown.
    void vRequeteurArrange(int sujet);

    // ---- Request page: the GRIB accordion (vr_accordeon_grib.cpp).
    void vGroupRequeteurGrib(int x, int y, int w, int h);
    void vGroupRequeteurGribZone();
    // Lays the accordion out for a help topic: 9999 the topic shown last,
    // 10000 only restacks.
    void vGroupRequeteurGribArrange(int n);
    static void vBoutonRequeteurGribModelesContenuCallback(Fl_Widget* bouton, void* page);
    static void vBoutonRequeteurGribMaillesContenuCallback(Fl_Widget* bouton, void* page);
    static void vBoutonRequeteurGribParametresContenuCallback(Fl_Widget* bouton, void* page);
    static void vBoutonRequeteurGribEcheancesContenuCallback(Fl_Widget* bouton, void* page);
    static void vBoutonRequeteurGribDeplacementContenuCallback(Fl_Widget* bouton, void* page);
    // The Zone section's open-all switch.
    static void vBoutonRequeteurGribZoneContenuCallback(Fl_Widget* bouton, void* page);
    // Takes the sections after the models out of the accordion and
    // deletes them (once the event that may come from one of them is
    // over).
    void vRequeteurGribEffacerGroupes();
    void vSupprimerSection(int section);

    // ---- Request page: the other product pages and what they share with
    // the tabs (built with their own panels).
    void vGroupRequeteurGribPredefinies(int x, int y, int w, int h);
    // A package button (vr_forfaits.cpp): its zone at the map's centre,
    // in the shape the button's state gives.
    static void vBoutonRequeteurGribPredefiniesCallback(Fl_Widget* bouton, void* page);
    // The image page's sections (vr_images.cpp): one button per row of
    // SATELLITES or PREISOS from (x, y), answering the y below them.
    int menu_satellites(int x, int y, int type, Fl_Callback* rappel);
    int menu_preisos(int x, int y, int type, Fl_Callback* rappel);
    static void vBoutonRequeteurImagesSatellitesContenuCallback(Fl_Widget* bouton, void* page);
    static void vBoutonRequeteurImagesPreisosContenuCallback(Fl_Widget* bouton, void* page);
    void vGroupRequeteurBulletins(int x, int y, int w, int h);
    void vGroupRequeteurImages(int x, int y, int w, int h);
    void vGroupRequeteurPredefiniesArrange(int topic);
    void vGroupRequeteurBulletinsArrange(int topic);
    void vGroupRequeteurImagesArrange(int topic);
    // The help pane shared by the bulletin and image pages goes into the
    // pack of the one shown (1 bulletins, 2 images).
    void vAideBulletinsImages(int onglet);
    // The zone's clear button: the map's frame goes.
    static void vBoutonRequeteurGribZoneEffacerCallback(Fl_Widget* bouton, void* page);

    // ---- Request page: the bulletin page (vr_bulletins.cpp, its buttons
    // vr_menus_bulletins.cpp, their presses vr_produits_bulletins.cpp, the
    // zone charts vr_cartes_zones.cpp). Each menu builds one section's
    // buttons from (x, y), replacing the page's array, and answers the y
    // below them.
    int menu_gmdss(int x, int y, int type, Fl_Callback* rappel);
    int menu_navtex(int x, int y, int type, Fl_Callback* rappel);
    int menu_large(int x, int y, int type, Fl_Callback* rappel);
    int menu_cotes(int x, int y, int type, Fl_Callback* rappel);
    // A section's fold switch.
    static void vBoutonRequeteurBulletinsGmdssContenuCallback(Fl_Widget* bouton, void* page);
    static void vBoutonRequeteurBulletinsNavtexContenuCallback(Fl_Widget* bouton, void* page);
    static void vBoutonRequeteurBulletinsLargeContenuCallback(Fl_Widget* bouton, void* page);
    static void vBoutonRequeteurBulletinsCotesContenuCallback(Fl_Widget* bouton, void* page);
    // Every product button of the bulletin and image pages: the request is
    // rebuilt from the buttons down; in connected mode a press sends its
    // product at once; a zone chart button opens its chart instead.
    static void vBoutonRequeteurGmdssCallback(Fl_Widget* bouton, void* page);
    // Connected mode: the product of `presse` at once, or with null every
    // product down (the send button); what went comes back up.
    void vEnvoyerBulletinsConnecte(classeBouton* presse);
    // Empties the bulletin request and releases its buttons.
    static void vBoutonRequeteurGmdssReinitialiseCallback(Fl_Widget* bouton, void* page);
    // The six arrays of product buttons of the bulletin and image pages,
    // in the order the request lists them.
    std::array<classeBoutonImage**, 6> tableauxProduits() const;
    // A product button of those arrays is down.
    bool bProduitEnfonce() const;
    // Products chosen: a button down, or the codes of a loaded request
    // that no button down stands for.
    bool bProduitsChoisis() const;
    // The bulletin request rebuilt from the pressed buttons down, then the
    // loaded codes without a button; the last button pressed, or null.
    classeBoutonImage* pReconstruireBulletins();
    // Opens the zone chart of a chart button's number in an image window
    // (`data` and `length` are not used).
    void vGetHTTPbulletinGmdss(unsigned code, char* data, int length);
    // The bulletin request's automation panel, under the help pane.
    void vRequeteurBulletinsAbonnement(int x, int y, int w);
    // It is active while a send would carry its line: always in connected
    // mode, where presses send at once, else while products are chosen.
    void vActiverAbonnementBulletins();

    // ---- Request page: under the map (vr_editions.cpp,
    // vr_recapitulatif.cpp, vr_historique.cpp).
    void vRequeteurGribBas(int x, int y, int w, int h);
    void vRequeteurGribEditions(int x, int y, int w, int h);
    void vRequeteurGribRecapitulatif(int x, int y, int w, int h);
    void vRequeteurRecapitulatif(int x, int y, int w, int h);
    // Copies the request text of the editor shown to the clipboard.
    void vRequeteurCopyRequete();
    static void vBoutonRequeteurGribCompressionCallback(Fl_Widget* bouton, void* page);
    // The GRIB request back to an empty one that keeps the compression the
    // recapitulation shows and the choice of `abonnement` (if any); not
    // rendered, as the reset is not.
    void vReinitialiserGrib(Abonnement* abonnement);
    static void vBoutonRequeteurRecapitulatifHistoriqueCallback(Fl_Widget* bouton, void* page);

    // ---- Request page: sending (vr_commande.cpp).
    static void vBoutonRequeteurEnvoyerCallback(Fl_Widget* bouton, void* page);
    // The send button sends the bulletin request: neither the GRIB nor
    // the packages page is shown.
    bool bEnvoiBulletins() const;
    // What the send button's rule reads of the page now, and the rule's
    // answer (regles_envoi.h).
    EtatEnvoi etatEnvoi() const;
    bool bEnvoiPermis() const;
    // The send button as the rule says: every change of the request or of
    // the page calls it, and so does the send window when it goes.
    void vRafraichirEnvoi();
    // The GRIB request to a new send window; `systeme`: the system text,
    // with its volume and cost.
    void vSetCommande(int systeme);
    // The bulletin request: at once in connected mode, else to a new send
    // window (`automationDelete`: the system text's volume and cost).
    void vSetCommandeBulletins(int automationDelete);

    // ---- Request page: the system request (vr_systeme.cpp).
    static void vBoutonRequeteurGribSystemeCallback(Fl_Widget* bouton, void* page);
    // Outside connected mode: the system text through the send window.
    void vSystemeParCourrier(Fl_Widget* bouton);

    // ---- Viewer: opening and closing files (vr_ouvrir.cpp, vr_grib.cpp).
    // "Ouvrir": the chooser on dat/ (data: the page).
    static void vBoutonVisualisateurBrowserCallback(Fl_Widget* bouton, void* page);
    // Opens the chooser's file; with a null chooser, the received file
    // "dat/" + OPEN_GRIB_FILE, and the page comes to the front.
    static void vBoutonVisualisateurBrowser2Callback(DRU_Fl_File_Chooser* chooser, void* page);
    // Opens a text or a picture in a window of its own and answers 1; a
    // name of no kind the received-names rule files opens nothing, says
    // why and answers 1 too; 0 for a GRIB file, which the caller opens.
    int iBoutonVisualisateurBrowser2(const char* path);
    // Opens a GRIB file in the page and displays it. A file without a
    // drawable parameter and a validity takes the page all the same, and
    // the map says why it shows nothing. `recu`: a received file, deleted
    // from disk once loaded when it is the interpolation's output
    // ("inter..."). Answers 1 when the page shows the new file's fields.
    int grib(const char* path, int append, int recu = 0);
    // The file's name over the panel (and a received interpolation output
    // deleted).
    void vNommerFichier(const char* path, int recu);
    // Back to an empty viewer: no sections, no file, nothing on the map,
    // the animation stopped, the padlock released, the labels blank, the
    // help pane at the top.
    void vViderVisualisateur();
    // Puts an opened file in the current slot (the old one is closed
    // first); `gribclose` empties the slot.
    void gribopen(const char* path, File* fichier);
    void gribclose();

    // ---- Viewer: the parameters and validities sections (vr_sections.cpp).
    void vVisualisateurMenu(int parameterCount, int validityCount, int);
    int vVisualisateurMenuParametres(int x, int y, int n, int type,
                                     void (*callback)(Fl_Widget*, void*));
    int vVisualisateurMenuValidites(int x, int y, int n, int, int type,
                                    void (*callback)(Fl_Widget*, void*));
    void vVisualisateurMenuDeleteValidites();
    void vVisualisateurMenuDeleteParametres();
    void vVisualisateurDeleteMenu();
    // Enables the validity buttons and the iso menus that fit the pressed
    // parameters.
    void gribsynchro();
    // Redisplays the file on the map with the pressed buttons.
    void vAfficher();
    // Closes the map's point chart window when one is open.
    void vFermerGraphiques();

    // The buttons' callbacks (data: the button's number; the page is the
    // button's).
    static void vBoutonVisualisateurParametresCallback(Fl_Widget* bouton, void*);
    static void vBoutonVisualisateurEcheancesCallback(Fl_Widget* bouton, void*);
    // "Fermer" and the chart button (data: the page).
    static void vBoutonVisualisateurFermerCallback(Fl_Widget* bouton, void* page);
    static void vBoutonVisualisateurHistogrammesCallback(Fl_Widget* bouton, void* page);
    // The padlock: the map's view follows the file's grid (data: the page).
    static void vBoutonVisualisateurCadenasCallback(Fl_Widget* bouton, void* page);
    // The page a button of its panel belongs to.
    static vr* pPageDe(Fl_Widget* widget);

    // ---- Viewer: the settings rows under the two sections
    // (vr_reglages.cpp): display options under the parameters, animation
    // and interpolation under the validities.
    void vReglagesParametres(int x, int y);
    void vReglagesValidites(int x, int y);
    // The pressed animation button follows the animation's state.
    void vMontrerAnimation();

    // ---- Viewer: the validities in turn (vr_animation.cpp; data: the
    // page). Next and previous wrap round; the map's keys h and n and the
    // animation call them with no widget.
    static void vBoutonVisualisateurEcheancesNextCallback(Fl_Widget* bouton, void* page);
    static void vBoutonVisualisateurEcheancesPreviousCallback(Fl_Widget* bouton, void* page);
    // Forward and backward start their animation, or stop it when it runs;
    // pause stops either.
    static void vBoutonVisualisateurEcheancesAnimeCallback(Fl_Widget* bouton, void* page);
    static void vBoutonVisualisateurEcheancesAnimeArriereCallback(Fl_Widget* bouton, void* page);
    static void vBoutonVisualisateurEcheancesPauseCallback(Fl_Widget* bouton, void* page);
    // The animation period from the speed slider.
    static void vSliderVisualisateurParametresEcheancesCallback(Fl_Widget* slider, void* page);
    // The validity `sens` (+1, -1) steps away from the pressed one.
    void vEcheance(int sens);
    // Stops the animation: no step pending, both flags and the map's 0.
    void vArreterAnimation();

    // ---- Viewer: the time interpolation of the page's file on a worker
    // thread, polled every 0.1 s (vr_interpolation.cpp; data: the page).
    static void vBoutonVisualisateurInterpolationCallback(Fl_Widget* bouton, void* page);

    // ---- Viewer: display options (vr_options.cpp; data: the page).
    static void vSliderVisualisateurParametresTransparenceCallback(Fl_Widget* slider, void* page);
    static void vButtonVisualisateurParametresIsoligneCallback(Fl_Widget* bouton, void* page);
    static void vButtonVisualisateurParametresIsotachesCallback(Fl_Widget* bouton, void* page);
    static void vBoutonVisualisateurParametresSuperpositionCallback(Fl_Widget* bouton,
                                                                   void* page);
    // The iso menus' items (widget: the menu bar; data: the page).
    static void vMenuButtonVisualisateurParametresIsobaresCallback(Fl_Widget* menu, void* page);
    static void vMenuButtonVisualisateurParametresIsothermesCallback(Fl_Widget* menu, void* page);
    static void vMenuButtonVisualisateurParametresIsotachesCallback(Fl_Widget* menu, void* page);
    static void vMenuButtonVisualisateurParametresIsohauteurCallback(Fl_Widget* menu, void* page);
    static void vMenuButtonVisualisateurParametresIsocourantCallback(Fl_Widget* menu, void* page);
    static void vMenuButtonVisualisateurParametresIsoperiodeCallback(Fl_Widget* menu, void* page);
    static void vMenuButtonVisualisateurParametresIsohumiditeCallback(Fl_Widget* menu, void* page);
    static void vMenuButtonVisualisateurParametresIsoprecipitationsCallback(Fl_Widget* menu,
                                                                           void* page);
    // Redraws the map with its fields as they are, relabelled.
    void vAfficherEncore();

    // ---- Relabelling on a language change (vr_langue*.cpp): every text
    // of the page looked up again in the catalogue just loaded.
    // The whole page: its switch pair, its panel, a chart window closed.
    void langue();
    // A viewer page's panel, and the texts under its map when it shows a
    // file.
    void vVisualisateurLangage();
    // The iso menus' headers, in the visible and the hidden menu bar.
    void vVisualisateurMenuBarreLangage();
    // The request page, panel by panel, then its map.
    void vRequeteurLangage();

    // The iso menus: eight submenus of intervals, titled by LabelMenuTable.
    static Fl_Menu_Item MenuTable[];
    static const char* const LabelMenuTable[8];
    // The code of the item at `position` of MenuTable (or of a copy of it):
    // CODE_BEAUFORT, CODE_ETAT_MER, or 0 for an interval.
    static int iCodeMenuIso(int position);
    // The menu bar holding the iso menus: the visible one when its section
    // row is built, else the hidden one.
    Fl_Menu_* pMenuIso() const;

    // ---- Geometry.
    int ix, iy, iw, ih;
    int largeurPanneau;       // the left panel (230)
    int largeurCarte, hauteurCarte;
    int xCarte, yCarte;

    // ---- Links (not owned).
    Fl_Double_Window* fenetre;  // the main window, whose geometry is saved
    Fl_Tabs* ongletsPrincipaux; // the main window's tab group
    int index;

    // "Requeteur", "Visualisateur", or the page number; a viewer writes
    // the base name of the file it opens here.
    char etiquette[256];

    // ---- Map.
    fdc* carte;
    Fl_Box* cadreCarte;

    // ---- Bottom strip and, on viewer pages, the four label boxes.
    Fl_Group* bandeau;
    Fl_Box* boiteTitre;
    Fl_Box* boiteSecond;
    Fl_Box* boiteGauche;
    Fl_Box* boiteDroite;

    // ---- Help state: the topic last shown by each accordion.
    int aideVisualisateur;
    int aideGrib;
    int aideBulletins;
    int aideImages;
    int aideForfaits;

    // ---- Left panel.
    BoutonsRVA* boutonsRVA;
    // The viewer's accordion: the scroll area, its section list and the
    // help pane among the sections (null until the viewer panel has them).
    Fl_Scroll* scrollVisualisateur;
    Fl_Pack* packVisualisateur;
    AIDE* aideVisu;

    // ---- Viewer: the open GRIB files (owned) and the current records.
    int fichierCourant;
    char* nomsFichiers[4];
    File* fichiers[4];
    ::grib* listeCourante;  // (the member grib() hides the type)
    // The file's distinct validities (YYYYMMDDHH, -1 after the last) and
    // displayable parameters (null after the last).
    int validites[VR_VALIDITES];
    const TYPEDEF_PARAMETRE* parametres[VR_PARAMETRES];
    // Null-terminated arrays of the parameter and validity buttons and of
    // the day boxes (the arrays are the page's, the widgets their
    // sections'; each widget keeps a copy of its label).
    classeBoutonImage** boutonsParametres;
    classeBoutonImage** boutonsValidites;
    Fl_Box** boitesJours;
    // Animation flags and period, for the animation controls.
    int animationAvant, animationArriere;
    float periodeAnimation;

    // ---- Viewer panel.
    classeBoutonImage** boutonsPages;  // "1" to "9" (owned array)
    classeBouton* boutonRoutes;
    // A viewer's tab group: its own panel, and the route window while its
    // routes button is pressed.
    Fl_Tabs* ongletsVisualisateur = nullptr;
    Fl_Group* ongletVisualisateur = nullptr;
    classeBouton* boutonAidePage;
    Fl_Box* titreVisualisateur;
    classeBouton* boutonOuvrir;
    classeBouton* boutonFermer;
    classeBouton* boutonCadenas;
    classeBouton* boutonHistogrammes;
    Fl_Menu_Bar* menuCache;     // hidden: keeps the iso menus' choices
    Fl_Menu_Bar* menuIso;       // the visible copy, null until built
    Fl_Group* groupeParametres; // the two sections, null when not built
    Fl_Group* groupeValidites;
    // Their settings rows, null with them.
    classeBouton* boutonSuperposition;
    classeBouton* boutonIsolignes;
    classeBouton* boutonIsotaches;
    Fl_Slider* sliderTransparence;
    classeBouton* boutonInterpolation;
    classeBouton* boutonAnimeArriere;
    classeBouton* boutonPause;
    classeBouton* boutonAnime;
    Fl_Slider* sliderVitesse;
    classeBouton* boutonPrecedent = nullptr;
    classeBouton* boutonSuivant = nullptr;
    // The sections' titles: "Parametres", "Reglages parametres",
    // "Validites", "Reglages validites" (null with their sections).
    Fl_Box* titresVisualisateur[4] = {};
    // The iso menus' headers in the page's language: both menu bars point
    // at these texts, which the page owns.
    char entetesIso[VR_ENTETES_ISO][64] = {};

    // ---- Request page: the send profile's address and password, copied
    // by the send window for the transfer threads (owned).
    char* adresseEnvoi;
    char* motDePasseEnvoi;

    // ---- Request page: the left panel. The product tabs hold, in order,
    // the packages group, the GRIB scroll, the bulletins group and the
    // images group (and the route window once it exists).
    Fl_Tabs* ongletsRequeteur = nullptr;
    Fl_Group* groupeForfaits = nullptr;
    Fl_Scroll* scrollGrib = nullptr;
    Fl_Pack* packGrib = nullptr;
    AIDE* voletAideGrib = nullptr;
    Fl_Group* groupeBulletins = nullptr;  // the bulletin page's scroll area
    Fl_Scroll* scrollBulletins = nullptr;
    Fl_Group* groupeImages = nullptr;
    // The bulletin and image pages' packs and their shared help pane.
    Fl_Pack* packBulletins = nullptr;
    Fl_Pack* packImages = nullptr;
    AIDE* voletAideBulletins = nullptr;
    // The separator of the panel's bottom row (owned).
    Fl_Image* imageFiletValider = nullptr;
    classeBouton* boutonsGBI[GBI_BOUTONS] = {};
    classeBouton* boutonConnecter = nullptr;
    classeBouton* boutonSysteme = nullptr;
    classeBouton* boutonEnvoyer = nullptr;
    classeBouton* boutonAideRequeteur = nullptr;
    Fl_Box* legendeEnvoyer = nullptr;
    // The GRIB page's load button.
    classeBouton* boutonChargerGrib = nullptr;
    // The Zone section: its group, its switch and its four fields (north,
    // south, west, east).
    Fl_Group* groupeZone = nullptr;
    classeBoutonImage* boutonZone = nullptr;
    spinnerOutput* champsZone[4] = {};
    // The model buttons (one per offered model) and the mesh buttons with
    // their labels: null-terminated arrays of the sections' buttons,
    // rebuilt with them (the arrays owned).
    classeBoutonImage** boutonsModeles = nullptr;
    classeBoutonImage** boutonsMailles = nullptr;
    char libellesMailles[MAILLES][8] = {};
    // The Parameters and Forecast-times sections' buttons and day labels:
    // null-terminated arrays, rebuilt with their sections (the arrays
    // owned); the groups of the two time kinds and the two titles.
    classeBoutonImage** boutonsParametresGrib = nullptr;
    classeBoutonImage** boutonsEcheances = nullptr;
    classeBoutonImage** boutonsValiditesGrib = nullptr;
    Fl_Box** boitesJoursGrib = nullptr;
    Fl_Group* groupeEcheancesGrib = nullptr;
    Fl_Group* groupeValiditesGrib = nullptr;
    classeBouton* titreEcheances = nullptr;
    classeBouton* titreValidites = nullptr;
    // The land-data switch: pressed while land points are left out.
    classeBouton* boutonTerre = nullptr;
    // The moving zone: its title, course and speed fields, and the course
    // and speed the map's frame follows.
    Fl_Box* titreDeplacement = nullptr;
    spinnerPosition* champCap = nullptr;
    spinnerPosition* champVitesse = nullptr;
    Fl_Box* boiteNoeuds = nullptr;
    float capDeplacement = 0, vitesseDeplacement = 0;
    int modeleCourant = 0;       // the model chosen
    int chargementRequete = 0;   // a saved request is being loaded
    int modeForfaits = 0;  // the packages page is the product page
    int zoneExiste = 0;    // a request frame is drawn
    int deplacement = 0;   // the moving zone is on
    // The course and speed ask for a moving zone whose moved frame leaves
    // the model: the request is not sent meanwhile.
    int deplacementHorsModele = 0;
    SectionGrib sectionsGrib[SECTIONS_GRIB];
    classeBouton* boutonDeplierTout = nullptr;  // the Zone section's open-all
    // The automation panels of the GRIB request, of the packages page and
    // of the bulletin request (which the image page borrows).
    Abonnement* abonnementGrib = nullptr;
    Abonnement* abonnementForfaits = nullptr;
    Abonnement* abonnementBulletins = nullptr;
    // The packages page's pack, help pane and name boxes (owned array).
    Fl_Pack* packForfaits = nullptr;
    AIDE* voletAideForfaits = nullptr;
    Fl_Box** boitesForfaits = nullptr;
    Fl_Box* titreForfaits = nullptr;  // "Zones predefinies"
    // The image page's sections: satellite pictures, charts.
    SectionGrib sectionsImages[2];
    // The bulletin page's sections: GMDSS, NAVTEX, offshore, coastal.
    SectionGrib sectionsBulletins[SECTIONS_BULLETINS];
    // Null-terminated arrays of the product buttons of the packages,
    // bulletin and image pages (null until their pages build them).
    classeBoutonImage** boutonsForfaits = nullptr;
    classeBoutonImage** boutonsGmdss = nullptr;
    classeBoutonImage** boutonsSatellites = nullptr;
    classeBoutonImage** boutonsPreisos = nullptr;
    classeBoutonImage** boutonsNavtex = nullptr;
    classeBoutonImage** boutonsLarge = nullptr;
    classeBoutonImage** boutonsCotes = nullptr;
    // Codes of a loaded bulletin request that no button down stands for: every
    // rebuild carries them until the selection is emptied or reset,
    // another request is loaded, or a connected send carried them.
    std::vector<std::string> codesSansBouton;

    // ---- Request page: under the map, the recapitulations (rebuilt
    // whole) and the editors of the two requests.
    Fl_Group* basRequeteur = nullptr;
    Fl_Group* recapGrib = nullptr;
    Fl_Group* recapBulletins = nullptr;
    Fl_Output* coutGrib = nullptr;
    Fl_Output* volumeGrib = nullptr;
    Fl_Output* coutBulletins = nullptr;
    Fl_Output* volumeBulletins = nullptr;
    Fl_Group* groupeCompression = nullptr;
    classeBouton* titreCompression = nullptr;
    LigneCout ligneCoutGrib, ligneCoutBulletins;
    classeRoundBouton* boutonsCompression[3] = {};
    Fl_Group* editionGrib = nullptr;
    Fl_Group* editionBulletins = nullptr;
    Fl_Text_Editor* editeurGrib = nullptr;
    Fl_Text_Editor* editeurBulletins = nullptr;
    // The two requests, their text buffers and where they show their
    // volume and cost (all owned).
    Fl_Text_Buffer* tamponGrib = nullptr;
    Fl_Text_Buffer* tamponBulletins = nullptr;
    requete* requeteGrib = nullptr;
    requete* requeteBulletins = nullptr;
    Recapitulatif* puitsGrib = nullptr;
    Recapitulatif* puitsBulletins = nullptr;
    // The history file the history button opened last.
    char cheminHistorique[64] = "";

    // The message the request page last put on its map, as written.
    char messageCarte[128] = "";

    // The chooser folder or a received file's path.
    char chemin[1024];

private:
    void vPanneauPages(int x, int y);
    void vPanneauFichier(int x, int y);
    void vRangeeFichier();
    void vRedisposerParametres();
    classeBouton* pBoutonAide(int x, int y, int sujet);
    void vCarte();
    void vBandeau();
    void vBoitesVisualisateur();
    void vSauverVue();
    // Writes the routes file, unless another instance holds the folder.
    void vEcrireRoutes();
    void vLibererRequeteur();
    void vBasRequeteur();
    void vFenetreEnvoi(const char* volume, const char* cout, Fl_Text_Buffer* tampon, bool regle);
    // The editor shows the buffer, its whole text selected and copied.
    static void vCopierTexte(Fl_Text_Editor* editeur, Fl_Text_Buffer* tampon);
    void vBasPanneauRequeteur(int x, int y, int h);
    void vRequeteurLigneCout(int x, int y, int w, Fl_Output*& cout, Fl_Output*& volume,
                             LigneCout& ligne);
    void vDeplierSection(int section, Fl_Widget* bouton);
    // A section's title: its name (none: the caller puts its own title in),
    // the switch that folds it, a help button.
    Fl_Group* pTitreSection(const char* nom, int sujet, Fl_Callback* deplier,
                            classeBouton*& bouton);
    // A section of buttons: its title, then a content group holding what
    // `boutons` builds from its top-left corner (answering the y below),
    // hidden unless every section is open.
    void vSectionBoutons(int section, const char* nom, int sujet, Fl_Callback* deplier,
                         const std::function<int(int x, int y)>& boutons);
    // A button of a section's menu: its label (copied), toggle or radio
    // `type`, the number it carries and its callback (data: the page).
    classeBoutonImage* pBoutonMenu(int x, int y, int l, const char* libelle, int type, int numero,
                                   Fl_Callback* rappel);
    // A section's content group under its title, holding what `contenu`
    // builds from the group's top-left corner (answering the y below).
    void vContenuSection(int section, const std::function<int(int x, int y)>& contenu);
    // The Forecast-times section's parts.
    Fl_Group* pTitreEcheances();
    int iRangeePas(int x, int y);
    // A day label of the validities fitted between the section's edge and
    // its row's first button.
    void vAjusterJour(Fl_Box* jour);
    void vMontrerTemps();
    void vRestaurerTemps();
    // The moving zone re-applied after a change of the times (the text
    // rendered again when its section is not there).
    void vTempsChanges();
    void vTitreDeplacement(const char* texte, Fl_Color couleur);
    void vAjusterChampsDeplacement();
    // The "V" line and the section's title as the moving-zone flags say.
    void vLigneDeplacement();
    // The course or the speed taken is not 0.
    bool bDeplacementDemande() const;
    void vChampsZone(const CadreZone& c);
    // The bound fields' labels, each in the room on its side.
    void vAjusterChampsZone();
    void vDeplacerZone(int mouvement);
    void vMessageCarte(const char* texte);
    void vMarquerZonesProduits(const CadreZone& cadre);
    // A section of the bulletin page: its title (`charger`: with the load
    // button) and its content group, which `boutons` fills from its
    // top-left corner (answering the y below); the content shown when
    // `ouvert`.
    void vSectionBulletins(int section, const char* nom, int sujet, int hauteurTitre,
                           bool charger, bool ouvert, Fl_Callback* deplier,
                           const std::function<int(int x, int y)>& boutons);
    // The same in the pack of the bulletin or the image page.
    void vSectionProduits(Fl_Pack* pack, SectionGrib& s, const char* nom, int sujet,
                          int hauteurTitre, bool charger, bool ouvert, Fl_Callback* deplier,
                          const std::function<int(int x, int y)>& boutons);
    void vDeplierSectionBulletins(int section, Fl_Widget* bouton);
    // The offshore and coastal sections shown in French only; their
    // buttons keep their state.
    void vSectionsFrance();
    // The request page's panels relabelled (vr_langue_requeteur.cpp).
    void vLangageProduits();
    void vLangageZone();
    void vLangageSectionsGrib();
    void vLangageTerre();
    void vLangageBoutonsGrib();
    void vLangageRecapitulatifs();
    void vLangageBulletins();
    void vLangageEnvoi();
    void vLangageAides();
    void vLangageMessageCarte();
    void vLangageForfaits();
    void vLangageImages();
    void vLangageAbonnements();
    void vOngletForfaits();
    void vOngletGrib();
    void vOngletBulletinsImages();
    void vLibererVisualisateur();
    void vDeplierSectionImages(int section, Fl_Widget* bouton);
};

// The animation's steps and the interpolation's poll, as toolkit timeouts
// (data: the page).
void vEcheanceSuivante(void* page);
void vEcheancePrecedente(void* page);
void vInterpolationTimeout(void* page);
// The interpolation's worker, started on a thread of its own (the time
// interpolation of gribdata; tests put another in).
extern void* (*travailleurInterpolation)(void*);

// The ten pages, index 0 to 9, and the number made so far.
extern vr** gvr;
extern int ngvr;

// The view a map shows, as the settings keep it: centre, latitude span and
// base-map kind.
TYPEDEF_VUE vueDeCarte(const fdc& carte);
// The main window's geometry as the settings keep it: at least 770 x 539.
void vSauverGeometrie(TYPEDEF_PREFERENCES& preferences, int x, int y, int w, int h);

// Installs what the maps ask of the pages (map/hote_carte.h), the request
// frame's questions to the request page among them.
void vInstallerHotePages();
void vInstallerHoteCadre();

// What the incoming-folder scan asks of the viewer pages (crochetsScan).
void vInstallerCrochetsPages();
// What the send window asks of the request page (crochetsEnvoi).
void vInstallerCrochetsEnvoi();

// The language switch's step for the pages: vr::langue for each page, in
// page order.
void vLangueDesPages();
// Re-lays the holder of a help pane for a topic (crochetAideArrange).
void vAideRearranger(void* proprietaire, int sujet);
// The window menu's entries for the chart windows (crochetMenuGraphiques).
int iMenuGraphiques(Fl_Menu_* menu);

#endif
