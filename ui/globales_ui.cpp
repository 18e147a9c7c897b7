#include "ui/globales_ui.h"

char CheminAbsolu[256] = "";

const char* const TITRE_STOCKE = "4A725A69606564651D27";

local* langage = nullptr;
const char* DateFormat = "DateFormat";

int DRU_FONT_nombre = 0;
int DRU_FONT = 0;
int DRU_FONT_BOLD = 1;

int INTERFACE_LARGEUR = 770;
int INTERFACE_HAUTEUR = 539;
int INTERFACE_FDC_HAUTEUR = 539 - 168;

gui* GUI = nullptr;
DRU_Fl_File_Chooser* navigateur = nullptr;

int LOAD_FDC = 0;
int INSTANCE_SECONDAIRE = 0;
int SCROLL_DECALAGE = 18;
