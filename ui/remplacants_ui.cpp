#include "ui/remplacants_ui.h"
