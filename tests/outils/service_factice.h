// The stand-in service of tests/support/service_factice.py, started on
// loopback for a test and stopped with it: its port, the variant it
// answers with, and what it recorded of each connection.
#ifndef TESTS_OUTILS_SERVICE_FACTICE_H
#define TESTS_OUTILS_SERVICE_FACTICE_H

#include "tests/outils/script_support.h"

#include <map>
#include <string>
#include <vector>

class ServiceFactice {
public:
    // Starts the stand-in with extra command-line options (its mode, its
    // first variant, ...). Its journal goes to a file of its own in the
    // temporary folder.
    explicit ServiceFactice(const std::vector<std::string>& options = {});
    ~ServiceFactice();
    ServiceFactice(const ServiceFactice&) = delete;
    ServiceFactice& operator=(const ServiceFactice&) = delete;

    // One stand-in for the whole test program, started on first use, with
    // the program pointed at it (QUENBREL2_SERVICE_HOTE and _PORT): the
    // service's address is read once per process.
    static ServiceFactice& partage();

    // 0 when it did not start.
    int port() const { return script_.port(); }
    std::string sPort() const { return std::to_string(port()); }

    // The next connections are answered as `variante` ("NAME" or
    // "NAME:ARG") says; true once the stand-in has acknowledged it.
    bool bVariante(const std::string& variante);

    // One record per connection, in the order they came: each field the
    // stand-in noted ("ligne", "email", "motdepasse", "texte", "erreurs",
    // "nom", ...) with its octets.
    using Connexion = std::map<std::string, std::string>;
    std::vector<Connexion> connexions() const;

private:
    std::string journal_;
    ScriptSupport script_;
};

#endif
