#include "gui/shell/settings.h"

#include "core/book/book_files.h"
#include "core/book/settings_file.h"

#include <filesystem>
#include <string>

namespace quillara::gui {

namespace {

// A settings file holds a few lines for each book; one larger than this is no settings file.
constexpr std::uint64_t MaxSettingsFileSize = 1 << 20;

// The score file's name is joined to the save directory as text, so a folder written without
// its final separator gets one rather than naming a file beside it.
std::string AsSavePrefix(std::string value) {
    std::error_code error;
    if (!value.empty() && value.back() != '/' && value.back() != '\\' &&
        std::filesystem::is_directory(value, error))
        value += '/';
    return value;
}

} // namespace

void ReadSettingsText(TBookSettings& settings, std::string_view text) {
    const auto values = ReadSettingsSection(text, settings.SettingsSection);
    if (const auto found = values.find("PROGRAM DIRECTORY"); found != values.end())
        settings.ProgramDirectory = found->second;
    if (const auto found = values.find("SAVE DIRECTORY"); found != values.end()) {
        settings.SaveDirectory = AsSavePrefix(found->second);
        settings.SaveDirectoryNamed = true;
    }
    if (const auto found = values.find("CURRENCY"); found != values.end())
        settings.BookCurrency = found->second;
}

void ReadSettings(TBookSettings& settings) {
    try {
        ReadSettingsText(settings,
                         ReadBookFile(settings.BookDir(), SettingsFileName, MaxSettingsFileSize));
    } catch (const std::exception&) {
        // No settings file, or one that cannot be read: the directories stay as they are.
    }
}

} // namespace quillara::gui
