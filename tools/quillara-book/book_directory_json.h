#pragma once

#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace quillara::tool {

class TJsonStream;

// {"KEY": [records]} of a file of records (Records: TQuestionBankStream, TGlossaryStream), read
// and written a record at a time; `name` is the file's name in failures.
template <typename Records>
void WriteRecordsJson(TJsonStream& json, std::string_view key, const std::filesystem::path& file,
                      const std::string& name, std::uint64_t maxSize);

// A whole book directory as a manifest: every file inline but the pictures, named by their
// paths, so that the manifest builds the same book wherever it is kept: relative to
// manifestFolder, where the manifest is to be saved, or absolute when there is none. Written a
// question and a glossary entry at a time, so that a book of any size dumps in the memory of its
// largest topic file; a damaged file raises part way through.
void WriteBookDirectoryJson(const std::filesystem::path& dir,
                            const std::optional<std::filesystem::path>& manifestFolder,
                            std::ostream& out);
// The same manifest as one value.
nlohmann::json BookDirectoryToJson(const std::filesystem::path& dir,
                                   const std::optional<std::filesystem::path>& manifestFolder);

} // namespace quillara::tool
