#pragma once

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillara::tool {

// A place in a source, given by its JSON pointer, in an author's words and counted from 1:
// "/questions/1/questions/0/Text" is "question 1 of chapter 1, \"Text\"".
std::string SourcePlace(std::string_view pointer);

// A fault in a book source, naming its place as SourcePlace does.
class SourceError : public std::runtime_error {
public:
    SourceError(const std::string& pointer, const std::string& message)
        : SourceError(pointer, message, SourcePlace(pointer)) {}
    // A fault whose place is already worded for the author, as the author's form names its
    // members ("/Chapters/1/Questions/2/Kind").
    SourceError(const std::string& pointer, const std::string& message, const std::string& place)
        : std::runtime_error(place + ": " + message), Pointer(pointer), Message(message) {}

    std::string Pointer;
    std::string Message;
};

// The JSON of a source. A text that is not JSON raises an error naming the line and column where
// reading stopped, in plain words.
nlohmann::json ParseSourceText(std::string_view text);

// Something the book built from a source loses: its place in words (SourcePlace) and its JSON
// pointer, and what is lost.
struct TSourceFinding {
    std::string Place;
    std::string Pointer;
    std::string Message;
};

// Every file of a book directory, by file name, built from a source manifest. Files named by
// the manifest are read relative to its folder; a picture is looked for by its file name in
// pictureDirs first. Texts holding characters the book cannot store are added to `lost`.
std::map<std::string, std::string>
BuildBookFiles(const nlohmann::json& manifest, const std::filesystem::path& sourceDir,
               const std::vector<std::filesystem::path>& pictureDirs,
               std::vector<TSourceFinding>* lost = nullptr);

} // namespace quillara::tool
