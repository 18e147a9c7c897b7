#include "ui/remplacants_ui.h"

#include <FL/Fl.H>

int DateFormatChange = 0;

void clock_Date(void* fenetre)
{
    Fl::repeat_timeout(1.0, clock_Date, fenetre);
}
