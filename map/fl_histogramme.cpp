#include "map/fl_histogramme.h"

#include "map/trace_glyphes.h"

#include <algorithm>
#include <cstring>

namespace {

// At most FL_CHART_LABEL_MAX bytes of the label, never cutting a UTF-8
// character in two.
void vCopierLibelle(char* destination, const char* label)
{
    size_t n = label ? std::strlen(label) : 0;
    if (n > size_t(FL_CHART_LABEL_MAX)) {
        n = FL_CHART_LABEL_MAX;
        while (n > 0 && (static_cast<unsigned char>(label[n]) & 0xC0) == 0x80)
            --n;
    }
    if (n)
        std::memcpy(destination, label, n);
    destination[n] = '\0';
}

}  // namespace

Fl_Histogramme::Fl_Histogramme(int x, int y, int w, int h, const char* label)
    : Fl_Widget(x, y, w, h, label), entries(size_t(sizenumb) + 1), traceGlyphes(&traceFltk())
{
    box(FL_FLAT_BOX);
    align(FL_ALIGN_BOTTOM);
    color(fl_rgb_color(164, 184, 197));
}

void Fl_Histogramme::vAgrandir()
{
    if (numb < sizenumb)
        return;
    sizenumb += 128;
    entries.resize(size_t(sizenumb) + 1);
}

void Fl_Histogramme::vPoser(int i, double value, const char* label, unsigned colour)
{
    FL_CHART_ENTRY_PAT& e = entries[size_t(i)];
    e.val = float(value);
    e.col = colour;
    vCopierLibelle(e.str, label);
}

void Fl_Histogramme::add(double value, const char* label, unsigned colour)
{
    vAgrandir();
    if (maxnumb > 0 && numb >= maxnumb) {
        std::copy(entries.begin() + 1, entries.begin() + numb, entries.begin());
        --numb;
    }
    vPoser(numb, value, label, colour);
    max = std::max(max, value);
    min = std::min(min, value);
    ++numb;
}

void Fl_Histogramme::insert(int index, double value, const char* label, unsigned colour)
{
    if (index < 1 || index > numb + 1)
        return;
    vAgrandir();
    std::copy_backward(entries.begin() + (index - 1), entries.begin() + numb,
                       entries.begin() + numb + 1);
    if (maxnumb == 0 || numb < maxnumb)
        ++numb;
    vPoser(index - 1, value, label, colour);
}

void Fl_Histogramme::replace(int index, double value, const char* label, unsigned colour)
{
    if (index < 1 || index > numb)
        return;
    vPoser(index - 1, value, label, colour);
}

void Fl_Histogramme::clear()
{
    numb = 0;
    max = 0.0;
}

void Fl_Histogramme::bounds(double minimum, double maximum)
{
    min = minimum;
    max = maximum;
}

void Fl_Histogramme::maxsize(int m)
{
    if (m < 0)
        return;
    maxnumb = m;
    if (numb > m) {
        std::copy(entries.begin() + (numb - m), entries.begin() + numb, entries.begin());
        numb = m;
    }
}
