#include "settings/zoom.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr size_t MOST_ZOOM_CHARACTERS = 16;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A tolerance for steps: a zoom read as 1.25 is a multiple of the step, also after rounding.
constexpr double STEP_TOLERANCE = 1e-9;

}  // namespace

bool parseZoom(const std::string& text, double& zoom) {
    if (text.empty() || text.size() > MOST_ZOOM_CHARACTERS) return false;
    const size_t point = text.find('.');
    const size_t whole = point == std::string::npos ? text.size() : point;
    if (whole == 0 || !std::all_of(text.begin(), text.begin() + whole, isDigit)) return false;
    if (point != std::string::npos &&
        (point + 1 == text.size() || !std::all_of(text.begin() + point + 1, text.end(), isDigit)))
        return false;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || value < MIN_ZOOM || value > MAX_ZOOM) return false;
    zoom = value;
    return true;
}

std::string formatZoom(double zoom) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, zoom);
    return std::string(text, result.ptr);
}

double steppedZoom(double zoom, int direction) {
    const double steps = zoom / ZOOM_STEP;
    const double next = direction > 0 ? std::floor(steps + STEP_TOLERANCE) + 1 : std::ceil(steps - STEP_TOLERANCE) - 1;
    return std::clamp(next * ZOOM_STEP, MIN_ZOOM, MAX_ZOOM);
}

int zoomedPixels(int pixels, double zoom) { return static_cast<int>(std::lround(pixels * zoom)); }
