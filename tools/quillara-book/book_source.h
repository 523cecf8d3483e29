#pragma once

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillara::tool {

// A fault in a book source, with the JSON pointer of the place.
class SourceError : public std::runtime_error {
public:
    SourceError(const std::string& pointer, const std::string& message)
        : std::runtime_error(pointer + ": " + message), Pointer(pointer), Message(message) {}

    std::string Pointer;
    std::string Message;
};

// Every file of a book directory, by file name, built from a source manifest. Files named by
// the manifest are read relative to its folder; a picture is looked for by its file name in
// pictureDirs first.
std::map<std::string, std::string>
BuildBookFiles(const nlohmann::json& manifest, const std::filesystem::path& sourceDir,
               const std::vector<std::filesystem::path>& pictureDirs);

// A whole book directory as a manifest: every file inline but the pictures, named by their
// paths, so that the manifest builds the same book wherever it is kept: relative to
// manifestFolder, where the manifest is to be saved, or absolute when there is none.
nlohmann::json BookDirectoryToJson(const std::filesystem::path& dir,
                                   const std::optional<std::filesystem::path>& manifestFolder);

} // namespace quillara::tool
