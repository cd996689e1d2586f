#include "ui/zoom.h"

#include <cstdio>

#include "settings/settings_file.h"
#include "settings/zoom.h"
#include "ui/game_window.h"
#include "ui/main_window.h"
#include "ui/square_images.h"
#include "ui/widgets.h"
#include "ui/window_scale.h"

namespace {

bool keepingFailed = false;

// keepZoom() writes the zoom into the settings. A settings file that cannot be written never stops the
// game: one line on standard error, once per run.
void keepZoom(double zoom) {
    Settings settings = loadSettings();
    settings.zoom = zoom;
    const std::string error = saveSettings(settings);
    if (error.empty() || keepingFailed) return;
    keepingFailed = true;
    std::fprintf(stderr, "tarnwick: %s; the zoom is used for this run only\n", error.c_str());
}

}  // namespace

void useZoom(double zoom, bool keep) {
    setWindowZoom(zoom);
    if (keep) keepZoom(zoom);
}

void renderZoomedImages() { renderSquareImages(squarePixels(), pieceDiameter()); }

void zoomTo(double zoom) {
    if (thinking || zoom == windowZoom()) return;
    useZoom(zoom, true);
    renderZoomedImages();
    rebuildMainWindow();
    rebuildGameWindow();
}

void zoomIn() { zoomTo(steppedZoom(windowZoom(), +1)); }
void zoomOut() { zoomTo(steppedZoom(windowZoom(), -1)); }
void actualSize() { zoomTo(MIN_ZOOM); }
bool canZoomIn() { return windowZoom() < MAX_ZOOM; }
bool canZoomOut() { return windowZoom() > MIN_ZOOM; }
