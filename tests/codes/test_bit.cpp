#include "codes/bit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {
using Bit = CLASS_CODES_BIT;

// Bit-by-bit reference, most significant bit first.
uint64_t lireNaif(const std::vector<unsigned char>& b, uint64_t position, unsigned largeur)
{
    uint64_t v = 0;
    for (unsigned i = 0; i < largeur; i++, position++)
        v = v << 1 | ((b[position / 8] >> (7 - position % 8)) & 1);
    return v;
}

void ecrireNaif(std::vector<unsigned char>& b, uint64_t position, unsigned largeur, uint64_t v)
{
    for (unsigned i = 0; i < largeur; i++, position++) {
        unsigned char masque = (unsigned char)(0x80 >> (position % 8));
        if ((v >> (largeur - 1 - i)) & 1)
            b[position / 8] |= masque;
        else
            b[position / 8] &= (unsigned char)~masque;
    }
}

struct Champ {
    unsigned largeur;
    uint64_t valeur;
};

// Widths 1..32 in turn, each shifting the offset, so every width meets every
// bit offset within an octet.
std::vector<Champ> champs(unsigned graine, int tours)
{
    std::mt19937_64 alea(graine);
    std::vector<Champ> liste;
    for (int t = 0; t < tours; t++)
        for (unsigned w = 1; w <= 32; w++)
            liste.push_back({w, alea() & ((uint64_t(1) << w) - 1)});
    return liste;
}
}

// What the reference round trips below do not reach: widths of 0, values
// wider than their field, the start offset and vInit's clearing.
TEST(Bit, LargeurNulleValeurCoupeeEtInit)
{
    unsigned char o[] = {0xA5, 0x5A, 3, 4};
    Bit b(o, 3);
    EXPECT_EQ(b.ulRead(0), 0u);
    b.vWrite(0, 1);
    b.vInsert(0, 1);
    EXPECT_EQ(b.ulTell(), 3u);
    EXPECT_EQ(o[0], 0xA5);
    b.vSeek(8);
    b.vWrite(8, 0x1FF);  // cut to 8 bits; the next octet cleared
    EXPECT_EQ(o[1] * 256 + o[2], 0xFF00);
    b.vInit(0);
    EXPECT_EQ(b.ulTell(), 3u);
    b.vInit(1);
    EXPECT_EQ(o[0] + o[3], 4);
    b.vChange(o + 1, 6);
    EXPECT_EQ(b.puc_debut, o + 1);
    EXPECT_EQ(b.ulTell(), 6u);
}

TEST(Bit, SautsEtTaille)
{
    unsigned char o[8] = {};
    Bit b(o, 0);
    EXPECT_EQ(b.ulSize(), 0u);
    const struct {
        unsigned long depart;
        long saut;
        unsigned long position;
        unsigned long taille;
    } cas[] = {{17, -3, 14, 2}, {5, 13, 18, 3}, {18, -18, 0, 0}, {0, 8, 8, 1}, {16, 0, 16, 2}};
    for (const auto& c : cas) {
        b.vSeek(c.depart);
        b.vSkip(c.saut);
        EXPECT_EQ(b.ulTell(), c.position);
        EXPECT_EQ(b.puc_octet, o + c.position / 8);
        EXPECT_EQ(b.ui_bit, c.position % 8);
        EXPECT_EQ(b.ulSize(), c.taille) << c.position;
    }
}

// Every width 1..32 at every offset: what vWrite packs, the reference reads
// back, and ulRead reads back what the reference packed.
TEST(Bit, AllerRetourContreLaReference)
{
    for (unsigned depart : {0u, 1u, 3u, 5u, 7u}) {
        auto liste = champs(depart + 11, 9);
        uint64_t bits = depart;
        for (auto& c : liste)
            bits += c.largeur;
        std::vector<unsigned char> tampon(bits / 8 + 2, 0);
        Bit b;
        b.vChange(tampon.data(), depart);
        b.vInit(0);
        uint64_t position = depart;
        for (auto& c : liste) {
            b.vWrite(c.largeur, c.valeur);
            position += c.largeur;
            ASSERT_EQ(b.ulTell(), position);
        }
        std::vector<unsigned char> reference(tampon.size(), 0);
        position = depart;
        for (auto& c : liste) {
            ASSERT_EQ(lireNaif(tampon, position, c.largeur), c.valeur)
                << "width " << c.largeur << " at bit " << position;
            ecrireNaif(reference, position, c.largeur, c.valeur);
            position += c.largeur;
        }
        EXPECT_EQ(tampon, reference);
        b.vInit(0);
        for (auto& c : liste)
            ASSERT_EQ(b.ulRead(c.largeur), c.valeur) << "width " << c.largeur;
        EXPECT_EQ(b.ulTell(), position);
    }
}

// vInsert over a buffer full of ones sets exactly the field's bits.
TEST(Bit, InsertionContreLaReference)
{
    std::mt19937 alea(7);
    for (unsigned w = 1; w <= 32; w++)
        for (unsigned decalage = 0; decalage < 8; decalage++) {
            std::vector<unsigned char> tampon(8, 0xFF), reference(8, 0xFF);
            ecrireNaif(tampon, decalage, w, 0);
            reference = tampon;
            uint64_t v = alea() & ((uint64_t(1) << w) - 1);
            Bit b(tampon.data(), 0);
            b.vSeek(decalage);
            b.vInsert(w, v);
            ecrireNaif(reference, decalage, w, v);
            ASSERT_EQ(tampon, reference) << "width " << w << " offset " << decalage;
            ASSERT_EQ(b.ulTell(), decalage + w);
        }
}

// A write that ends on an octet boundary clears the following octet only.
TEST(Bit, EcritureEffaceLOctetSuivant)
{
    for (unsigned w = 1; w <= 32; w++) {
        std::vector<unsigned char> tampon(8, 0xEE);
        unsigned depart = (8 - w % 8) % 8;
        tampon[0] = 0;
        Bit b(tampon.data(), depart);
        b.vWrite(w, 0);
        unsigned fin = (depart + w) / 8;
        EXPECT_EQ(b.ulTell(), fin * 8u);
        EXPECT_EQ(tampon[fin], 0) << "width " << w;
        EXPECT_EQ(tampon[fin + 1], 0xEE) << "width " << w;
    }
}

TEST(BitDeathTest, LargeurImpossibleTermineAvec98)
{
    unsigned char o[16] = {};
    EXPECT_EXIT(
        {
            Bit b(o, 0);
            b.ulRead(33);
        },
        testing::ExitedWithCode(98), "largeur de champ de bits impossible:33>32");
    EXPECT_EXIT(
        {
            Bit b(o, 0);
            b.vWrite(40, 1);
        },
        testing::ExitedWithCode(98), "\n:vWrite\n");
    EXPECT_EXIT(
        {
            Bit b(o, 0);
            b.vInsert(64, 1);
        },
        testing::ExitedWithCode(98), "\\[FATAL\\]largeur");
}
