// The desktop's own file dialog, and the switches that choose it.
#include "ui/selecteur.h"

#include "ui/local.h"

#include <FL/Fl_Native_File_Chooser.H>
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
    Fl_Native_File_Chooser dialogue;
    if (enregistrer) {
        dialogue.type(Fl_Native_File_Chooser::BROWSE_SAVE_FILE);
        dialogue.options(Fl_Native_File_Chooser::SAVEAS_CONFIRM);
        dialogue.title(pcTraduire("Enregistrer sous"));
    } else {
        dialogue.type(Fl_Native_File_Chooser::BROWSE_FILE);
        dialogue.title(pcTraduire("Ouvrir un fichier"));
    }
    dialogue.directory(directory);
    dialogue.filter(filter);
    if (dialogue.show() != 0)
        return nullptr;
    const char* choisi = dialogue.filename();
    if (!choisi)
        choisi = "";
    char* copie = new char[std::strlen(choisi) + 1];
    std::strcpy(copie, choisi);
    return copie;
}
