#include "map/trace_enregistree.h"

#include <utility>

void TraceEnregistree::noter(Genre g, std::array<int, 8> v, std::string texte)
{
    appels_.push_back({g, v, std::move(texte)});
}

void TraceEnregistree::vRecommencer(TraceGlyphes& mesure)
{
    mesure_ = &mesure;
    appels_.clear();
}

void TraceEnregistree::couleur(const unsigned char* rvb)
{
    if (rvb)
        noter(COULEUR, {rvb[0], rvb[1], rvb[2]});
}

void TraceEnregistree::police(int numero, int taille)
{
    if (mesure_)
        mesure_->police(numero, taille);
    noter(POLICE, {numero, taille});
}

void TraceEnregistree::image(const unsigned char* rvba, int li, int hi, int x, int y, int l, int h,
                             int cx, int cy)
{
    const size_t octets = size_t(li > 0 ? li : 0) * size_t(hi > 0 ? hi : 0) * 4;
    noter(IMAGE, {li, hi, x, y, l, h, cx, cy}, std::string(reinterpret_cast<const char*>(rvba), octets));
}

void TraceEnregistree::vRejouer(TraceGlyphes& t) const
{
    for (const Appel& a : appels_) {
        const auto& v = a.v;
        const char* texte = a.texte.c_str();
        switch (a.genre) {
        case COULEUR: {
            const unsigned char rvb[3] = {static_cast<unsigned char>(v[0]),
                                          static_cast<unsigned char>(v[1]),
                                          static_cast<unsigned char>(v[2])};
            t.couleur(rvb);
            break;
        }
        case EPAISSEUR: t.epaisseur(v[0]); break;
        case TRAIT: t.trait(v[0], v[1], v[2], v[3]); break;
        case CERCLE: t.cercle(v[0], v[1], v[2]); break;
        case TRIANGLE: t.triangle(v[0], v[1], v[2], v[3], v[4], v[5]); break;
        case DECOUPE: t.decoupe(v[0], v[1], v[2], v[3]); break;
        case FIN_DECOUPE: t.finDecoupe(); break;
        case POLICE: t.police(v[0], v[1]); break;
        case TEXTE: t.texte(texte, v[0], v[1]); break;
        case TEXTE_CENTRE: t.texteCentre(texte, v[0], v[1]); break;
        case IMAGE:
            t.image(reinterpret_cast<const unsigned char*>(texte), v[0], v[1], v[2], v[3], v[4],
                    v[5], v[6], v[7]);
            break;
        }
    }
}
