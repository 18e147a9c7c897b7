#include "tests/transport/transfert_test.h"

#include "transport/requete.h"
#include "transport/service_http.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

namespace fs = std::filesystem;

ServiceFactice& Transfert::service()
{
    return ServiceFactice::partage();
}

std::string Transfert::cheminService()
{
    return serviceHttp().chemin;
}

Transfert::Transfert()
{
    // The folders the program makes at start: the scan files into dat/.
    for (const char* d : {"lockdir", "etc/grib", "etc/bull", "dat/bulletin", "dat/image"})
        fs::create_directories(d);
    EXPECT_GT(service().port(), 0);
    EXPECT_TRUE(service().bVariante("normale"));
    DELAIS_HTTP.connexionMs = 10000;
    DELAIS_HTTP.premierOctetMs = 20000;
    DELAIS_HTTP.silenceMs = 20000;
    DELAIS_HTTP.reponseMax = int64_t(64) << 20;
    vInitialiserCanaux();
}

Transfert::~Transfert()
{
    EXPECT_TRUE(bAttendreFin());
    for (int i = 0; i < HTTP_CANAUX; ++i)
        vLibererCanal(i);
}

std::string Transfert::texteGrib()
{
    requete r(nullptr, 0);
    r.vSetDomaine(1);
    r.iSetZone(50, 40, -10, 5);
    r.vSetMaille("0.5");
    r.vSetParametre("Vent");
    const char* temps[] = {"0", "12", "24", nullptr};
    r.modeValidites = 0;
    r.vSetEcheances(temps);
    return r.texteRequete();
}

std::string Transfert::texteBulletins(const std::vector<std::string>& objets)
{
    requete r(nullptr, 1);
    for (const std::string& o : objets)
        r.vSetObjet(o.c_str());
    return r.texteRequete();
}

int Transfert::iTransferer(const std::string& texte, const char* motDePasse, bool bulletins)
{
    const int canal = dernierCanal = iReserverCanal();
    if (canal < 0)
        return PHASE_RIEN;
    auto* s = new InstantaneHttp;
    s->texte = texte;
    s->email = "bord@exemple.org";
    s->avecMotDePasse = motDePasse != nullptr;
    s->motDePasse = motDePasse ? motDePasse : "";
    s->lien = lienCanal(canal);
    s->envoi.type = bulletins ? 1 : 0;
    s->envoi.texte = texte;
    s->envoi.corps = "corps\n";
    (bulletins ? vHttpBullTimeout : vHttpGribTimeout)(s);
    return structHTTP[canal].phase.load();
}

int Transfert::iLancer(const std::string& texte, const char* motDePasse)
{
    const int canal = iReserverCanal();
    if (canal < 0)
        return -1;
    auto s = std::make_unique<InstantaneHttp>();
    s->texte = texte;
    s->email = "bord@exemple.org";
    s->avecMotDePasse = motDePasse != nullptr;
    s->motDePasse = motDePasse ? motDePasse : "";
    s->lien = lienCanal(canal);
    if (!bLancerTransfert(vHttpGribTimeout, s.get()))
        return -1;
    s.release();
    return canal;
}

bool bAttendreQue(const std::function<bool()>& condition, double secondes)
{
    const auto limite = std::chrono::steady_clock::now() + std::chrono::duration<double>(secondes);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > limite)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

bool Transfert::bAttendreFin()
{
    return bAttendreQue([] { return iTransfertsEnCours() == 0; });
}

std::set<std::string> Transfert::lockdir()
{
    std::set<std::string> noms;
    for (const auto& f : fs::directory_iterator("lockdir"))
        noms.insert(f.path().filename().string());
    return noms;
}

std::set<std::string> Transfert::horsLockdir()
{
    std::set<std::string> chemins;
    for (auto i = fs::recursive_directory_iterator("."); i != fs::recursive_directory_iterator();
         ++i) {
        const std::string c = i->path().lexically_normal().string();
        if (c == "lockdir")
            i.disable_recursion_pending();
        else
            chemins.insert(c);
    }
    return chemins;
}
