// The layout shared by the request pages' accordions: a pack of sections
// in a scroll area, with the page's help pane moved to the section of the
// help topic asked for.
#ifndef PAGES_ACCORDEON_H
#define PAGES_ACCORDEON_H

class AIDE;
class Fl_Group;
class Fl_Pack;
class Fl_Scroll;
class Fl_Widget;

// The scroll area of an accordion: vertical, frameless, its scrollbar on
// the left in the room the sections leave there (SCROLL_DECALAGE), where it
// covers none of their buttons.
Fl_Scroll* pScrollAccordeon(int x, int y, int w, int h);

// A section's fold switch turned: down it shows the section's content
// ("@+22>"), up it hides it ("@+2>"); a section without content only
// changes its switch. The caller restacks its accordion.
void vDeplierContenu(Fl_Widget* bouton, Fl_Group* contenu);

// With the help panes shown and `restack` false, the pane goes to the
// child index `index` gives for the topic (in a pack of that many
// children, the pane not counted), the children above it are stacked from
// the pack's top (hidden ones take no room) and the area scrolls to the
// pane; with the panes off the pane leaves the pack. Then the pack is put
// back at SCROLL_DECALAGE, the area (unless it scrolled to the pane)
// brought back within its content (vBornerDefilement) and redrawn, and the
// pane opened at the topic (unless it is 0). The area scrolls only
// vertically.
// The topic an accordion's arrange call names: 10000 restacks at the
// remembered topic, 9999 stays at it, any other topic is remembered.
// Answers whether to restack.
bool bSujetAccordeon(int& topic, int& retenu);

void vArrangerAccordeon(Fl_Scroll* scroll, Fl_Pack* pack, AIDE* aide, int topic, bool restack,
                        int (*index)(int topic, int enfants));

#endif
