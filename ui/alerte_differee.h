// An alert from a callback that may run while its widget is being hidden,
// unfocused or deleted: an input's (FL_WHEN_RELEASE runs it on an unfocus
// or a hide, before its changed mark is cleared), a choice's, a menu's, or
// what such a callback calls. A box opened there would run its loop under
// that widget, and the loop could call the callback again. The alert is
// opened later, from the main loop, once: the same text asked again before
// it shows is shown once.
#ifndef UI_ALERTE_DIFFEREE_H
#define UI_ALERTE_DIFFEREE_H

#include <string>

void vAlerteDifferee(const std::string& texte);

#endif
