// The Python stand-ins of tests/support/: a script started for a test,
// listening on loopback, which prints its port first; stopped at the end.
#ifndef TESTS_OUTILS_SUPPORT_TEST_H
#define TESTS_OUTILS_SUPPORT_TEST_H

#include <string>
#include <sys/types.h>
#include <vector>

class ScriptSupport {
public:
    // Runs tests/support/<script> with Debian's python3 and the arguments,
    // and waits (bounded) for the port on its first output line.
    ScriptSupport(const std::string& script, const std::vector<std::string>& arguments);
    ~ScriptSupport();
    ScriptSupport(const ScriptSupport&) = delete;
    ScriptSupport& operator=(const ScriptSupport&) = delete;

    // 0 when the script did not start or printed no port.
    int port() const { return port_; }

private:
    pid_t pid_ = -1;
    int port_ = 0;
};

// A loopback port that nothing listens on (bound, then released).
int iPortFerme();

#endif
