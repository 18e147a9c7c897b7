#include "tests/outils/script_support.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

const int ATTENTE_MS = 30000;

}  // namespace

ScriptSupport::ScriptSupport(const std::string& script, const std::vector<std::string>& arguments)
{
    int entree[2], sortie[2];
    if (pipe2(entree, O_CLOEXEC) != 0)
        return;
    if (pipe2(sortie, O_CLOEXEC) != 0) {
        close(entree[0]), close(entree[1]);
        return;
    }
    std::vector<std::string> mots = {QUENBREL_PYTHON3,
                                     QUENBREL_SOURCE_DIR "/tests/support/" + script};
    mots.insert(mots.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& m : mots)
        argv.push_back(m.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, entree[0], 0);
    posix_spawn_file_actions_adddup2(&actions, sortie[1], 1);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(entree[0]);
    close(sortie[1]);
    entree_ = entree[1];
    sortie_ = sortie[0];
    if (pid_ > 0)
        port_ = std::atoi(ligneSortie().c_str());
}

ScriptSupport::~ScriptSupport()
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
}

bool ScriptSupport::bEcrire(const std::string& ligne)
{
    const std::string l = ligne + "\n";
    return entree_ >= 0 && write(entree_, l.data(), l.size()) == ssize_t(l.size());
}

std::string ScriptSupport::ligneSortie()
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
        if (sortie_ < 0 || reste <= 0 || poll(&p, 1, int(reste)) <= 0)
            return "";
        char tampon[256];
        const ssize_t n = read(sortie_, tampon, sizeof tampon);
        if (n <= 0)
            return "";
        reste_.append(tampon, size_t(n));
    }
}

int iPortFerme()
{
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t n = sizeof a;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &n) == 0)
        port = ntohs(a.sin_port);
    close(s);
    return port;
}
