#include "ui/main_window.h"

// PLACEHOLDER until the main window's widgets are written: start-up already calls these two in their
// places, and the window opens empty with its final size and title.
void buildMainWindow() {}

void refreshBoard() {}
