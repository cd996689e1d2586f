// The zoom of the main window: "Zoom in", "Zoom out" and "Actual size" step it by quarters from 1 to 4,
// --zoom sets it at start-up, and the zoom last used is kept in the settings for the next start. A new
// zoom renders the square images afresh for the new square size with the game's own shading and builds
// the window again at the new size.
#pragma once

// useZoom() sets the zoom for the windows built from now on; with `keep` it is also kept in the
// settings. renderZoomedImages() renders the square images for it.
void useZoom(double zoom, bool keep);
void renderZoomedImages();

// zoomTo() sets a new zoom in the running window and keeps it. Nothing happens while the computer
// thinks or when the zoom is the one shown.
void zoomTo(double zoom);

// The menu's items.
void zoomIn();
void zoomOut();
void actualSize();
bool canZoomIn();
bool canZoomOut();
