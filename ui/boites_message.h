// The program's message boxes. The functions of the toolkit's fl_ask.H
// (fl_message, fl_alert, fl_ask, fl_choice, fl_input, fl_password,
// fl_message_icon, fl_beep) are defined by the program with the same
// signatures, so the toolkit's own dialogs show the program's box too.
// The message is shown as plain text: an "@" in it is no symbol mark.
// This header adds what tests and timeouts need to answer an open box.
#ifndef UI_BOITES_MESSAGE_H
#define UI_BOITES_MESSAGE_H

#include <FL/fl_ask.H>

class Fl_Box;
class Fl_Button;
class Fl_Input;
class Fl_Window;

// The box of the innermost call still waiting, or null.
Fl_Window* pBoiteMessage();
// Its button i (0 right, 1 the return button, 2 left), message and field.
Fl_Button* pBoutonMessage(int i);
Fl_Box* pTexteMessage();
Fl_Input* pSaisieMessage();
// The number of that call among all calls (from 1; 0 when none waits): a
// box answered and closing is told from the next one in the same window.
unsigned long ulNumeroBoite();

// How many times fl_beep rang the display's bell.
extern int NombreDeBips;

#endif
