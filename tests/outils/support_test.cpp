#include "tests/outils/support_test.h"

#include <arpa/inet.h>
#include <csignal>
#include <cstdlib>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The first line the script writes, waited for at most 30 s: a bound
// against a script that never starts, not a measure.
std::string premiereLigne(int fd)
{
    std::string ligne;
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 30000) <= 0)
            return ligne;
        char c;
        if (read(fd, &c, 1) != 1 || c == '\n')
            return ligne;
        ligne.push_back(c);
    }
}

}  // namespace

ScriptSupport::ScriptSupport(const std::string& script, const std::vector<std::string>& arguments)
{
    const std::string chemin = std::string(QUENBREL_SOURCE_DIR) + "/tests/support/" + script;
    std::vector<std::string> mots{QUENBREL_PYTHON3, chemin};
    mots.insert(mots.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& m : mots)
        argv.push_back(m.data());
    argv.push_back(nullptr);
    int tube[2];
    if (pipe(tube) != 0)
        return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(tube[1], STDOUT_FILENO);
        close(tube[0]);
        close(tube[1]);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(tube[1]);
    if (pid_ > 0)
        port_ = std::atoi(premiereLigne(tube[0]).c_str());
    close(tube[0]);
}

ScriptSupport::~ScriptSupport()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    int etat;
    waitpid(pid_, &etat, 0);
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
