#include "gribdata/fichiers.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

bool memeFichier(FILE* source, const char* cible)
{
    struct stat s, c;
    return fstat(fileno(source), &s) == 0 && stat(cible, &c) == 0 && s.st_dev == c.st_dev &&
           s.st_ino == c.st_ino;
}

int ecrireOctets(const char* octets, size_t taille, const char* path, const char* mode)
{
    FILE* f = std::fopen(path, mode);
    if (!f)
        return -1;
    bool complet = std::fwrite(octets, 1, taille, f) == taille;
    // fclose flushes: a full disk often shows only here.
    bool ferme = std::fclose(f) == 0;
    return complet && ferme ? 0 : -1;
}

int ecrire(const char* buffer, const char* path, int length, const char* mode)
{
    if (!buffer || !path || length < 0)
        return -1;
    const size_t taille = length == 0 ? std::strlen(buffer) : size_t(length);
    return ecrireOctets(buffer, taille, path, mode);
}

}  // namespace

int copyfile(const char* source, const char* target)
{
    std::printf("<copyfile> source:%s cible:%s\n", source ? source : "(null)",
                target ? target : "(null)");
    FILE* entree = source ? std::fopen(source, "rb") : nullptr;
    if (!entree)
        return 1;
    // Opening the source itself for writing would empty it.
    FILE* sortie = target && !memeFichier(entree, target) ? std::fopen(target, "wb") : nullptr;
    if (!sortie) {
        std::fclose(entree);
        return 2;
    }
    // Only an ordinary file is removed after a failure: the target may be a
    // device such as /dev/full, and the program may run as root.
    struct stat st;
    const bool ordinaire = fstat(fileno(sortie), &st) == 0 && S_ISREG(st.st_mode);

    std::vector<char> morceau(64 * 1024);
    bool bon = true;
    for (;;) {
        size_t lus = std::fread(morceau.data(), 1, morceau.size(), entree);
        if (lus > 0 && std::fwrite(morceau.data(), 1, lus, sortie) != lus) {
            bon = false;
            break;
        }
        if (lus < morceau.size()) {
            bon = !std::ferror(entree);
            break;
        }
    }
    std::fclose(entree);
    // A full disk often shows only when the last bytes are flushed.
    const bool ferme = std::fclose(sortie) == 0;
    if (!bon || !ferme) {
        if (ordinaire)
            std::remove(target);
        return 3;
    }
    return 0;
}

int writebinaryfile(const char* buffer, const char* path, int length)
{
    return ecrire(buffer, path, length, "wb");
}

int appendbinaryfile(const char* buffer, const char* path, int length)
{
    return ecrire(buffer, path, length, "ab");
}

int writetextefile(const char* text, const char* path)
{
    if (!text || !path)
        return -1;
    const size_t longueur = std::strlen(text);
    // Worst case: a CR for every character, then the final CR LF.
    std::string converti;
    converti.reserve(2 * longueur + 2);
    bool crAjoute = false;
    for (size_t i = 0; i < longueur; ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            converti += '\r';
            crAjoute = true;
        }
        converti += text[i];
    }
    if (longueur == 0 || !crAjoute)
        converti += "\r\n";
    return ecrireOctets(converti.data(), converti.size(), path, "wb");
}
