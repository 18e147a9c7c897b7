#include "shell/globales_shell.h"

char CheminAbsolu[256] = "";
char* OPEN_GRIB_FILE = nullptr;
char strOpenLocktmpfilefile[1024] = "";
char strOpenLockfilefile[1024] = "";
char FDCHAINEBUFFER[12] = "";

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

pthread_t prime_thread;
