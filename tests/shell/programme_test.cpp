#include "tests/shell/programme_test.h"

#include "map/chargement_fonds.h"
#include "shell/demarrage.h"
#include "shell/globales_shell.h"
#include "tests/ui/harnais_gui.h"
#include "ui/gestion_interfaces.h"
#include "ui/horloge.h"
#include "ui/selecteur.h"

#include <FL/Fl.H>
#include <csignal>
#include <cstdlib>
#include <unistd.h>

VariableTemporaire::VariableTemporaire(const char* nom, const std::string& valeur)
    : nom_(nom), avait_(std::getenv(nom) != nullptr)
{
    if (avait_)
        ancienne_ = std::getenv(nom);
    setenv(nom, valeur.c_str(), 1);
}

VariableTemporaire::~VariableTemporaire()
{
    if (avait_)
        setenv(nom_.c_str(), ancienne_.c_str(), 1);
    else
        unsetenv(nom_.c_str());
}

ProgrammeEnProcessus::ProgrammeEnProcessus(const std::string& dossier)
    : home_("HOME", dossier), travail_("QUENBREL2_HOME", dossier), ici_(dossier), arrete_(false)
{
    // A previous run in the same process left the loaders' flags up.
    DEMARRAGE = 1;
    LOAD_FDC = LOAD_TDC = LOAD_FDCSAT = LOAD_FDC1 = FDC1ok = 0;
    gestion_interfaces::fermeture = 0;
    // As from a terminal, whatever the suite runs under (nohup): the
    // program keeps SIGHUP ignored at its start.
    std::signal(SIGHUP, SIG_DFL);
    iRepertoireTravail();
    vPreparationDossiers();
    char programme[] = "quenbrel2";
    char* arguments[] = {programme, nullptr};
    iTransfertFichier(1, arguments);
    vDemarrage(1);
    // What iBoucle writes before it hands over to Fl::run; the test runs
    // the loop itself.
    vBanniere("RUN");
}

ProgrammeEnProcessus::~ProgrammeEnProcessus()
{
    vArreter();
}

bool ProgrammeEnProcessus::bAttendreChargement()
{
    return harnais::bAttendre([] { return LOAD_FDC == 1; });
}

bool ProgrammeEnProcessus::bAttendreFinBoucle()
{
    return harnais::bAttendre([] { return Fl::first_window() == nullptr; });
}

void ProgrammeEnProcessus::vArreter()
{
    if (arrete_)
        return;
    arrete_ = true;
    // A test that failed half-way may leave the main window open.
    if (GUI)
        gestion_interfaces::delall();
    vArret();
    // The loop left the toolkit's lock held by this thread, as Fl::run does.
    Fl::unlock();
}
