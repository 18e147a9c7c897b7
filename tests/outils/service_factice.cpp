#include "tests/outils/service_factice.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

const char* const SCRIPT = QUENBREL_SOURCE_DIR "/tests/support/service_factice.py";
// A bound against a stand-in that never answers, not a measure.
const int ATTENTE_MS = 30000;

std::string journalUnique()
{
    // Outside the test's scratch folders, which go before the stand-in.
    static int compteur = 0;
    return std::filesystem::temp_directory_path().string() + "/service_factice." +
           std::to_string(getpid()) + "." + std::to_string(++compteur) + ".journal";
}

std::string hexVersOctets(const std::string& hex)
{
    std::string o;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        o += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    return o;
}

}  // namespace

ServiceFactice::ServiceFactice(const std::vector<std::string>& options) : journal_(journalUnique())
{
    int entree[2], sortie[2];
    if (pipe2(entree, O_CLOEXEC) != 0)
        return;
    if (pipe2(sortie, O_CLOEXEC) != 0) {
        close(entree[0]), close(entree[1]);
        return;
    }
    std::vector<std::string> arguments = {"python3", SCRIPT, "--journal", journal_};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, entree[0], 0);
    posix_spawn_file_actions_adddup2(&actions, sortie[1], 1);
    if (posix_spawnp(&pid_, "python3", &actions, nullptr, argv.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(entree[0]);
    close(sortie[1]);
    entree_ = entree[1];
    sortie_ = sortie[0];
    if (pid_ > 0)
        port_ = std::atoi(ligneSortie().c_str());
}

ServiceFactice::~ServiceFactice()
{
    if (entree_ >= 0)
        close(entree_);
    for (int i = 0; pid_ > 0 && i < 500; ++i) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_)
            pid_ = -1;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (sortie_ >= 0)
        close(sortie_);
    unlink(journal_.c_str());
}

std::string ServiceFactice::ligneSortie()
{
    const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(ATTENTE_MS);
    for (;;) {
        const size_t fin = reste_.find('\n');
        if (fin != std::string::npos) {
            std::string ligne = reste_.substr(0, fin);
            reste_.erase(0, fin + 1);
            return ligne;
        }
        const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(
            limite - std::chrono::steady_clock::now()).count();
        pollfd p{sortie_, POLLIN, 0};
        if (reste <= 0 || poll(&p, 1, int(reste)) <= 0)
            return "";
        char tampon[256];
        const ssize_t n = read(sortie_, tampon, sizeof tampon);
        if (n <= 0)
            return "";
        reste_.append(tampon, size_t(n));
    }
}

bool ServiceFactice::bVariante(const std::string& variante)
{
    const std::string ligne = "variante " + variante + "\n";
    if (entree_ < 0 || write(entree_, ligne.data(), ligne.size()) != ssize_t(ligne.size()))
        return false;
    return ligneSortie() == "variante " + variante;
}

std::vector<ServiceFactice::Connexion> ServiceFactice::connexions() const
{
    std::vector<Connexion> liste;
    std::ifstream f(journal_);
    for (std::string ligne; std::getline(f, ligne);) {
        std::istringstream champs(ligne);
        size_t numero = 0;
        std::string cle, hex;
        if (!(champs >> numero >> cle) || numero == 0)
            continue;
        champs >> hex;
        if (liste.size() < numero)
            liste.resize(numero);
        liste[numero - 1][cle] = hexVersOctets(hex);
    }
    return liste;
}
