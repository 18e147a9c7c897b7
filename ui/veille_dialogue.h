// The desktop's file dialog runs a loop of its own (GTK's), in which the
// toolkit serves neither its timeouts nor its descriptors: a signal would
// wait there until the user closed the dialog. While a dialog is open, a
// thread watches for the end of the program; asked, it closes this
// process's shown windows of the dialog's title as the window manager's
// close button does, through a connection of its own to the X server. The
// dialog then answers as a cancel. The toolkit's own chooser, used where
// GTK is missing, closes the same way.
#ifndef UI_VEILLE_DIALOGUE_H
#define UI_VEILLE_DIALOGUE_H

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class VeilleDialogue {
public:
    // GUI thread, the display open.
    explicit VeilleDialogue(const std::string& titre);
    // Stops the thread and waits for it.
    ~VeilleDialogue();
    VeilleDialogue(const VeilleDialogue&) = delete;
    VeilleDialogue& operator=(const VeilleDialogue&) = delete;

private:
    void vVeiller();

    const std::string titre_;
    const std::string affichage_;
    std::mutex mutex_;
    std::condition_variable reveil_;
    bool arret_;
    std::thread fil_;
};

#endif
