#include "map/lecture_texte.h"

#include <cstdio>
#include <cstring>

namespace {

const char* pcFormat(int style)
{
    switch (style) {
    case LECTURE_TITRE: return "<font color=\"#000088\"><b>%s</b></font><br>";
    case LECTURE_LIBELLE: return "<font color=\"#006600\"><b>%s</b></font>: ";
    case LECTURE_ITALIQUE: return "<i>%s</i>: ";
    default: return style < 1 ? "%s" : "<font color=\"#880000\"><b>%s</b></font>:<br> ";
    }
}

// Drops a last UTF-8 character that the cut left incomplete.
void vFinirCaractere(char* texte, size_t n)
{
    size_t debut = n;
    while (debut > 0 && (static_cast<unsigned char>(texte[debut - 1]) & 0xC0) == 0x80)
        --debut;
    if (debut == 0)
        return;
    const unsigned char tete = static_cast<unsigned char>(texte[debut - 1]);
    const size_t longueur = tete >= 0xF0 ? 4 : tete >= 0xE0 ? 3 : tete >= 0xC0 ? 2 : 1;
    if (n - (debut - 1) < longueur)
        texte[debut - 1] = 0;
}

}  // namespace

void vAjouterLecture(char* texte, const char* piece, int style)
{
    const size_t n = std::strlen(texte);
    if (n >= size_t(LECTURE_MAX) || !piece)
        return;
    const int ecrit = std::snprintf(texte + n, LECTURE_TAILLE - n, pcFormat(style), piece);
    if (ecrit >= 0 && n + size_t(ecrit) > size_t(LECTURE_MAX))
        vFinirCaractere(texte, LECTURE_MAX);
}
