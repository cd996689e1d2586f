// The search's way out to the toolkit, filled with FLTK: events are processed inside the search, the
// time-out is an FLTK one-shot timer, and the progress goes into the two outputs of the main window.
#pragma once

// installFltkToolkit() fills the logic's toolkit hooks; the main window must have been built.
void installFltkToolkit();
