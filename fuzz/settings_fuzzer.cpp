// Settings files from arbitrary bytes.
#include "gui/shell/settings.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillara::gui::TBookSettings program;
    program.SettingsSection = "Book";
    quillara::gui::ReadSettingsText(program,
                                    std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
