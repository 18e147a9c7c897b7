// The event loops the program runs inside a callback: a message box's, the
// desktop file dialog's, a menu's. The widgets on the stack under such a
// loop must outlive it, so what deletes windows (the shutdown) or opens a
// box from a widget's callback waits for the main loop, when none of them
// runs. The end of the program asked from outside (a signal) is marked
// here: marking closes every nested loop as its cancel would, and no box or
// dialog opens until the shell takes the request.
#ifndef UI_BOUCLES_IMBRIQUEES_H
#define UI_BOUCLES_IMBRIQUEES_H

#include <functional>

// A nested loop for its lifetime, with what ends it as a cancel: a closer
// only marks or hides, the loop itself returns to its caller.
class BoucleImbriquee {
public:
    explicit BoucleImbriquee(std::function<void()> fermer);
    ~BoucleImbriquee();
    BoucleImbriquee(const BoucleImbriquee&) = delete;
    BoucleImbriquee& operator=(const BoucleImbriquee&) = delete;

    void vFermer() const;

private:
    std::function<void()> fermer_;
};

// True when the loop running now is the main one: no nested loop of the
// program's, no menu holding the pointer, no mouse button held down.
bool bBouclePrincipale();

// Marks the end as asked; safe in a signal handler.
void vSignalerFin();
// Marks it, then closes every nested loop (the innermost first) and an open
// menu. GUI thread; called again, it closes what opened since.
void vDemanderFin();
// The end asked and not taken yet; any thread.
bool bFinDemandee();
// The shell takes the request: boxes open again (for its own question).
void vFinPrise();

// False while the end is asked or the shutdown runs: a box or a dialog
// opened then would run its loop under widgets about to go. Its caller logs
// it and takes the answer of a cancel.
bool bBoitesPermises();

#endif
