#include "map/classes_bandes.h"

namespace {

const float SEUILS_BEAUFORT[] = {1, 4, 7, 11, 16, 22, 28, 34, 41, 48, 56, 64};
const float SEUILS_MER[] = {0.01f, 0.1f, 0.5f, 1.25f, 2.5f, 4, 6, 9, 14};
const float SEUILS_COURANT[] = {0.01f, 0.1f, 0.2f, 0.3f, 0.5f, 0.75f, 1, 1.5f, 2};

const unsigned char BANDES_BEAUFORT[13][3] = {
    {1, 254, 1},   {1, 250, 1},    {1, 246, 1},    {1, 238, 1},  {1, 230, 1},
    {254, 254, 1}, {238, 238, 1},  {254, 128, 1},  {238, 112, 1}, {254, 32, 32},
    {246, 32, 32}, {238, 32, 32},  {230, 32, 32},
};

const unsigned char BANDES_MER[10][3] = {
    {1, 254, 1},   {1, 246, 1},   {1, 238, 1},   {1, 230, 1},   {254, 254, 1},
    {254, 128, 1}, {238, 112, 1}, {254, 32, 32}, {246, 32, 32}, {238, 32, 32},
};

template <int N>
int iSeuilsAtteints(const float (&seuils)[N], float v)
{
    int n = 0;
    while (n < N && v >= seuils[n])
        ++n;
    return n;
}

int iDansTable(int i, int dernier)
{
    return i < 0 ? 0 : i > dernier ? dernier : i;
}

}  // namespace

int iForceBeaufort(float noeuds)
{
    return iSeuilsAtteints(SEUILS_BEAUFORT, noeuds);
}

int iClasseMer(float metres)
{
    return iSeuilsAtteints(SEUILS_MER, metres);
}

int iClasseCourant(float noeuds)
{
    return iSeuilsAtteints(SEUILS_COURANT, noeuds);
}

const unsigned char* pucBandeBeaufort(int force)
{
    return BANDES_BEAUFORT[iDansTable(force, 12)];
}

const unsigned char* pucBandeMer(int classe)
{
    return BANDES_MER[iDansTable(classe, 9)];
}
