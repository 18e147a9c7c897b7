#include "decompression_test.h"

#include "gribdata/decompression.h"

#include <cstdlib>
#include <sys/wait.h>

const Format GZIP = {"gzip", gzip, "gzip -9 -c", "gzip -dc", ".gz", 2};
const Format BZIP2 = {"bzip2", bzip2, "bzip2 -9 -c", "bzip2 -dc", ".bz2", -1};

std::string Decompression::compresse(const std::string& nom, const std::string& donnees)
{
    const std::string brut = dossier / nom;
    const std::string compresse = brut + GetParam().extension;
    ecrireFichier(brut, donnees);
    if (!commande(std::string(GetParam().compresseur) + " < " + sh(brut) + " > " + sh(compresse)))
        ADD_FAILURE() << "compression by the system tool failed: " << compresse;
    return compresse;
}

std::optional<std::string> Decompression::reference(const std::string& chemin)
{
    const std::string sortie = chemin + ".ref";
    int statut = std::system((std::string(GetParam().decompresseur) + " " + sh(chemin) + " > " +
                              sh(sortie) + " 2>/dev/null")
                                 .c_str());
    if (!WIFEXITED(statut))
        return std::nullopt;
    int code = WEXITSTATUS(statut);
    if (code != 0 && code != GetParam().statutAvertissement)
        return std::nullopt;
    return lireFichier(sortie);
}

std::optional<std::string> Decompression::decompresse(const std::string& chemin, unsigned int& n)
{
    char* tampon = GetParam().decompresser(chemin.c_str(), n);
    if (!tampon)
        return std::nullopt;
    std::string resultat(tampon, n);
    delete[] tampon;
    return resultat;
}

void Decompression::attendEchec(const std::string& chemin, unsigned int n)
{
    const unsigned int avant = n;
    EXPECT_EQ(decompresse(chemin, n), std::nullopt) << chemin;
    EXPECT_EQ(n, avant) << chemin;
    const std::string log = journal.contenu();
    const std::string::size_type derniere = log.rfind("<DECOMPRESSION>");
    ASSERT_NE(derniere, std::string::npos);
    EXPECT_NE(log.find(chemin, derniere), std::string::npos)
        << "the last log line does not name " << chemin << ":\n"
        << log;
}

size_t Decompression::attendDommage(const std::string& chemin, unsigned int n)
{
    const std::optional<std::string> obtenu = decompresse(chemin, n);
    const std::string log = journal.contenu();
    EXPECT_NE(log.find(chemin + " : fichier "), std::string::npos) << log;
    EXPECT_NE(log.find(" octets décompressés\n"), std::string::npos) << log;
    if (obtenu) {
        EXPECT_EQ(n, obtenu->size());
    }
    return obtenu ? obtenu->size() : 0;
}

void Decompression::attendDebut(const std::string& chemin, const std::string& complet,
                                size_t minimum)
{
    unsigned int n = 0;
    const std::optional<std::string> obtenu = decompresse(chemin, n);
    attendDommage(chemin, 0);
    const std::string garde = obtenu.value_or("");
    EXPECT_GE(garde.size(), minimum) << chemin;
    EXPECT_LT(garde.size(), complet.size() + 1) << chemin;
    EXPECT_EQ(garde, complet.substr(0, garde.size())) << chemin;
}
