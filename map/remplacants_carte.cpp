#include "map/remplacants_carte.h"

PopupOverlay* popupOverlay = nullptr;
