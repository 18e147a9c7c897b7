// Order of the descriptions. The keys are this reader's own: its level and
// range keys are not the decoder's level and range values.
#include "codes/ibfile.h"

#include "codes/logerr.h"

#include <algorithm>

namespace {

unsigned int uiCleEcheance(const STRUCT_FILE_MESSAGE& d)
{
    const unsigned int t = d.uiIndicateur();
    if (t == 0 || t == 113 || t == 114)
        return d.uiP1();
    if (t >= 2 && t <= 5)
        return d.uiP2();
    if (t == 10)
        return d.uiP1() * 256 + d.uiP2();
    return 0;
}

unsigned int uiCleNiveau(const STRUCT_FILE_MESSAGE& d)
{
    const unsigned int l = d.uiTypeNiveau();
    switch (l) {
    case 100: case 103: case 105: case 107: case 109: case 111: case 160:
        return d.uiNiveau1() * 256 + d.uiNiveau2();
    default:
        return l <= 7 || l == 102 ? l : d.uiNiveau2();
    }
}

template <class T>
int iOrdre(T a, T b)
{
    return a < b ? -1 : a > b ? 1 : 0;
}

}  // namespace

int CLASS_CODES_IBFILE::iCompareMessages(const STRUCT_FILE_MESSAGE& a,
                                         const STRUCT_FILE_MESSAGE& b)
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "iCompareMessages");
    // Kinds first: each kind's keys then give one consistent order.
    if (int c = iOrdre(a.uiType(), b.uiType()))
        return c;
    if (a.uiType() == STRUCT_FILE_MESSAGE::GRIB) {
        if (int c = iOrdre(a.uiCleDate(), b.uiCleDate()))
            return c;
        if (int c = iOrdre((int)uiCleEcheance(a), (int)uiCleEcheance(b)))
            return c;
        if (int c = iOrdre(a.uiParametre(), b.uiParametre()))
            return c;
        return iOrdre((int)uiCleNiveau(a), (int)uiCleNiveau(b));
    }
    if (int c = iOrdre(a.uiCategorie(), b.uiCategorie()))
        return c;
    if (int c = iOrdre(a.uiSousCategorie(), b.uiSousCategorie()))
        return c;
    if (int c = iOrdre(a.uiCleDate(), b.uiCleDate()))
        return c;
    if (int c = iOrdre(a.uiMinute(), b.uiMinute()))
        return c;
    return iOrdre(a.ulLongueur(), b.ulLongueur());
}

void CLASS_CODES_IBFILE::vSort()
{
    CLASS_CODES_LOGERR contexte(spc_class_name, "vSort");
    if (iIsFileIndexOpen() != 0 || descriptions.empty() ||
        descriptions[0].uiType() == STRUCT_FILE_MESSAGE::QX1)
        return;
    // Stable: equal keys keep file order, whatever the library's sort.
    std::stable_sort(descriptions.begin(), descriptions.end(),
                     [](const STRUCT_FILE_MESSAGE& a, const STRUCT_FILE_MESSAGE& b) {
                         return iCompareMessages(a, b) < 0;
                     });
    if (i_mode != 0)
        iWriteIndex();
}
