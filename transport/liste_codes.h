// The 128 slots of a request's list (parameters, forecast times,
// validities, bulletin codes): a slot is empty or holds one word, and empty
// slots may lie between used ones.
#ifndef TRANSPORT_LISTE_CODES_H
#define TRANSPORT_LISTE_CODES_H

#include <array>
#include <string>

class ListeCodes {
public:
    static constexpr int TAILLE = 128;

    // Puts a word in the first empty slot; false when every slot is taken.
    // An empty word is not stored.
    bool bAjouter(const std::string& mot);
    bool bContient(const std::string& mot) const;
    // Empties every slot holding `mot`.
    void vRetirer(const std::string& mot);
    void vVider();
    bool bVide() const;
    int iNombre() const;

    // The used slots in order, each `avant` then the word then `apres`.
    std::string texte(const char* avant, const char* apres) const;

    const std::string& operator[](int i) const { return cases_[size_t(i)]; }

private:
    std::array<std::string, TAILLE> cases_;
};

#endif
