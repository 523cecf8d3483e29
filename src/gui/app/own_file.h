#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quillara::gui {

// Small files of the program's own in the student's config folder. Whatever else bears such a
// file's name (a symbolic link, a FIFO, a device, a folder) is left alone: never read, waited on,
// written through nor replaced.

// The file's bytes: empty when there is no file; nothing when something other than a regular
// file bears the name, or the file is larger than `maxSize` or cannot be read.
std::optional<std::string> ReadOwnFile(const std::filesystem::path& path, std::uintmax_t maxSize);

// Puts `bytes` in the file's place, making its folder if need be: written to a new file beside
// it, created for this write alone, and renamed over the name, which replaces a link there rather
// than writing through it. False, with nothing written, when something other than a regular file
// bears the name, and when the write fails. Call with the file's lock held: what writes killed
// part way left beside it is removed first.
bool ReplaceOwnFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace quillara::gui
