// The desktop's own file dialog, and the switches that choose it.
#include "ui/selecteur.h"

#include "gribdata/globales.h"
#include "ui/boucles_imbriquees.h"
#include "ui/local.h"
#include "ui/veille_dialogue.h"

#include <FL/Fl_Native_File_Chooser.H>
#include <FL/x.H>
#include <cstdlib>
#include <cstring>

namespace {

int iNatifParDefaut()
{
    const char* programme = std::getenv("QUENBREL_SELECTEUR_PROGRAMME");
    return programme && *programme ? 0 : 1;
}

}  // namespace

int WINDOWS_NATIVE = iNatifParDefaut();
int WINDOWS_OS = WINDOWS_NATIVE;

char* getFileNative(const char* directory, const char* filter, int enregistrer)
{
    const char* titre = pcTraduire(enregistrer ? "Enregistrer sous" : "Ouvrir un fichier");
    if (!bBoitesPermises()) {
        vJournal("<SELECTEUR>", "fin du programme, dialogue non ouvert: %s\n", titre);
        return nullptr;
    }
    Fl_Native_File_Chooser dialogue;
    if (enregistrer) {
        dialogue.type(Fl_Native_File_Chooser::BROWSE_SAVE_FILE);
        dialogue.options(Fl_Native_File_Chooser::SAVEAS_CONFIRM);
    } else {
        dialogue.type(Fl_Native_File_Chooser::BROWSE_FILE);
    }
    dialogue.title(titre);
    dialogue.directory(directory);
    dialogue.filter(filter);
    fl_open_display();
    int r;
    {
        // The thread closes the dialog; the loop is counted so that the
        // shutdown waits for it to return.
        VeilleDialogue veille(titre);
        BoucleImbriquee boucle(nullptr);
        r = dialogue.show();
    }
    // Closed for the end of the program, the dialog chose nothing.
    if (r != 0 || bFinDemandee())
        return nullptr;
    const char* choisi = dialogue.filename();
    if (!choisi)
        choisi = "";
    char* copie = new char[std::strlen(choisi) + 1];
    std::strcpy(copie, choisi);
    return copie;
}
