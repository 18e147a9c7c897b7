#include "ui/budget_images.h"

long long budgetImages = BUDGET_IMAGES;

namespace {

long long tenues = 0;

}  // namespace

long long llImagesTenues()
{
    return tenues;
}

bool bPrendreImage(long long octets)
{
    if (octets < 0 || octets > budgetImages - tenues)
        return false;
    tenues += octets;
    return true;
}

void vRendreImage(long long octets)
{
    tenues -= octets;
}
