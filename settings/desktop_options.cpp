#include "settings/desktop_options.h"

#include "settings/zoom.h"

namespace {

// parseComputerSides() reads the value of --computer into the two sides' flags.
bool parseComputerSides(const std::string& text, bool sides[2]) {
    const bool zero = text == "0" || text == "both", one = text == "1" || text == "both";
    if (!zero && !one && text != "none") return false;
    sides[0] = zero;
    sides[1] = one;
    return true;
}

}  // namespace

bool isDesktopValueOption(const std::string& option) {
    return option == "--computer" || option == "--engine" || option == "--level" || option == "--zoom";
}

bool isResumeOption(const std::string& option) { return option == "--resume"; }

std::string parseDesktopOption(const std::string& option, const std::string& value, DesktopOptions& options) {
    if (option == "--computer") {
        if (!parseComputerSides(value, options.computerPlays))
            return "option --computer: '" + value + "' is not 0, 1, both or none";
        return "";
    }
    if (option == "--engine") {
        if (!parseEngine(value, options.engine)) return "option --engine: '" + value + "' is not classic or strong";
        options.engineGiven = true;
        return "";
    }
    if (option == "--level") {
        long level = 0;
        const std::string error = parseRanged(option, value, MIN_LEVEL, MAX_LEVEL, level);
        if (error.empty()) options.level = static_cast<int>(level);
        return error;
    }
    if (!parseZoom(value, options.zoom))
        return "option --zoom: '" + value + "' is not a number from 1 to 4 (such as 1.5)";
    options.zoomGiven = true;
    return "";
}

std::string checkDesktopOptions(const PositionOptions& position, const DesktopOptions& desktop) {
    if (desktop.level > 0 && desktop.engineGiven) return "option --level brings its own player: it goes without --engine";
    if (!desktop.resume || !position.anyPositionOption()) return "";
    const char* other = position.sizeGiven    ? "--size"
                        : position.setupGiven ? "--setup"
                        : position.movesGiven ? "--moves"
                                              : "--record";
    return std::string("option --resume cannot be combined with ") + other +
           ": the last game gives the size, the setup and the moves";
}
