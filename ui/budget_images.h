// The decoded pictures the image windows hold, all together: a bound, so
// that pictures received or opened one after another cannot take the
// machine's memory. GUI thread only.
#ifndef UI_BUDGET_IMAGES_H
#define UI_BUDGET_IMAGES_H

// The octets of pixels the image windows may hold at once.
constexpr long long BUDGET_IMAGES = 512LL << 20;
// The bound in force: BUDGET_IMAGES, unless a test lowers it.
extern long long budgetImages;

// What the image windows hold now.
long long llImagesTenues();

// Takes the octets of a picture a window is to hold from the budget:
// false, and nothing taken, when they do not fit in what is left.
bool bPrendreImage(long long octets);
// Gives back what bPrendreImage took.
void vRendreImage(long long octets);

#endif
