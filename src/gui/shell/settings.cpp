#include "gui/shell/settings.h"

#include "core/book/book_files.h"
#include "core/book/glossary.h"

#include <filesystem>
#include <ini.h>
#include <string>

namespace quillara::gui {

namespace {

// A settings file holds a few lines for each book; one larger than this is no settings file.
constexpr std::uint64_t MaxSettingsFileSize = 1 << 20;

struct Found {
    std::string Section;
    std::optional<std::string> ProgramDirectory;
    std::optional<std::string> SaveDirectory;
    std::optional<std::string> Currency;
};

int OnValue(void* user, const char* section, const char* key, const char* value) {
    auto* found = static_cast<Found*>(user);
    if (UpperAscii(section) != UpperAscii(found->Section)) return 1;
    const std::string name = UpperAscii(key);
    if (name == "PROGRAM DIRECTORY") found->ProgramDirectory = value;
    if (name == "SAVE DIRECTORY") found->SaveDirectory = value;
    if (name == "CURRENCY") found->Currency = value;
    return 1;
}

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
    Found found{settings.SettingsSection, {}, {}, {}};
    const std::string copy(text);
    ini_parse_string(copy.c_str(), OnValue, &found);
    if (found.ProgramDirectory) settings.ProgramDirectory = *found.ProgramDirectory;
    if (found.SaveDirectory) {
        settings.SaveDirectory = AsSavePrefix(*found.SaveDirectory);
        settings.SaveDirectoryNamed = true;
    }
    if (found.Currency) settings.BookCurrency = *found.Currency;
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
