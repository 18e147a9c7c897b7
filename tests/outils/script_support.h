// A Python stand-in of tests/support/ run for a test: started with Debian's
// python3 and its arguments, it listens on loopback and prints its port on
// its first output line; it stops when its standard input closes.
#ifndef TESTS_OUTILS_SCRIPT_SUPPORT_H
#define TESTS_OUTILS_SCRIPT_SUPPORT_H

#include <string>
#include <sys/types.h>
#include <vector>

class ScriptSupport {
public:
    // Runs tests/support/<script> and waits (bounded) for its port.
    ScriptSupport(const std::string& script, const std::vector<std::string>& arguments);
    // Closes its input, and kills it if it lingers.
    ~ScriptSupport();
    ScriptSupport(const ScriptSupport&) = delete;
    ScriptSupport& operator=(const ScriptSupport&) = delete;

    // 0 when it did not start or printed no port.
    int port() const { return port_; }
    // One line to its standard input; false when it cannot be written.
    bool bEcrire(const std::string& ligne);
    // Its next output line, waited for at most 30 s (a bound against a
    // script that never answers, not a measure); empty when none came.
    std::string ligneSortie();

private:
    pid_t pid_ = -1;
    int entree_ = -1;  // its standard input
    int sortie_ = -1;  // its standard output
    int port_ = 0;
    std::string reste_;
};

// A loopback port that nothing listens on (bound, then released).
int iPortFerme();

#endif
