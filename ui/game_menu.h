// The game's menu: a click of the right mouse button anywhere in the main window (on the board too,
// where it never selects or moves a piece), the Menu key or Shift+F10 pop it up. Each item shows its
// key, and an item that cannot act now is shown inactive. While the computer thinks only the two
// "Computer plays" items and Quit act.
//
//   New game...  Ctrl+N      Copy game   Ctrl+C      Computer plays side 0   Zoom in      Ctrl++ (Ctrl+=)
//   Open...      Ctrl+O      Paste game  Ctrl+V      Computer plays side 1   Zoom out     Ctrl+-
//   Save as...   Ctrl+S      Hint        Ctrl+H      Computer player >       Actual size  Ctrl+0
//   Resume last game                                   Classic, Strong,      About, Quit  Ctrl+Q
//                                                      Level 1 .. Level 10
//
// The items' keys act as the items do, with the rule of the game's keys: a limit field being edited
// keeps Ctrl+C and Ctrl+V for its text.
#pragma once

// installGameMenu() makes the main window offer the right button and its keys to the menu.
void installGameMenu();

// handleMenuEvent() takes a press of the right button or a key of the menu: it pops the menu up, or
// acts as the key's item would. Returns 1 when it took the event.
int handleMenuEvent(int event);

// menuItemActive() tells whether the item with this label can act now, as the menu would show it;
// menuItemChecked() whether a check item is on. For tests and for the menu itself.
bool menuItemActive(const char* label);
bool menuItemChecked(const char* label);
