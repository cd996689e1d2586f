#include "settings/settings_file.h"

#include "files/atomic_file.h"
#include "files/xdg_paths.h"
#include "settings/zoom.h"

namespace {

// A settings file is a few lines; a larger one is no settings file of this program.
constexpr long MAX_SETTINGS_BYTES = 65536;

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

void takeSetting(const std::string& name, const std::string& value, Settings& settings) {
    double zoom = 0;
    if (name == "zoom" && parseZoom(value, zoom)) settings.zoom = zoom;
}

}  // namespace

Settings parseSettings(const std::string& text) {
    Settings settings;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = trimmed(text.substr(start, end - start));
        const size_t equals = line.find('=');
        if (!line.empty() && line[0] != '#' && equals != std::string::npos)
            takeSetting(trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)), settings);
        start = end + 1;
    }
    return settings;
}

std::string settingsText(const Settings& settings) {
    return "# Tarnwick's settings, written by the program.\nzoom=" + formatZoom(settings.zoom) + "\n";
}

Settings loadSettings() {
    const std::string path = settingsPath();
    std::string text;
    if (path.empty() || !readTextFile(path, MAX_SETTINGS_BYTES, text).empty()) return Settings{};
    return parseSettings(text);
}

std::string saveSettings(const Settings& settings) {
    const std::string path = settingsPath();
    if (path.empty()) return "cannot keep the settings: neither XDG_CONFIG_HOME nor HOME names a folder";
    std::string error = makeFolders(folderOf(path));
    if (error.empty()) error = writeFileAtomically(path, settingsText(settings));
    return error.empty() ? "" : "cannot keep the settings in '" + path + "': " + error;
}
