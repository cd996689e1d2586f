// The program's message boxes, at the window's zoom: their text and their buttons are as much larger as
// the main window is.
#pragma once

#include <string>

// tellRefusal() shows an alert titled `title` with the text, and waits until it is closed.
void tellRefusal(const char* title, const std::string& text);

// tellInformation() shows a message titled `title` with the text, and waits until it is closed.
void tellInformation(const char* title, const std::string& text);
