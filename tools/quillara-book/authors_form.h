#pragma once

#include "book_source.h"

#include <array>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillara::tool {

// The author's form of a book source: one JSON file in which kinds, the book's texts and the
// parameters of functions are written by name, line breaks as "\n" or as a list of lines, and
// each chapter holds its own name, pages and questions. "//" members are the author's notes.
// build takes it and the stored form that dump prints (whose "book" member tells them apart);
// the author's form is turned into that form and built the same way.

struct TNamedCode {
    std::string_view Name;
    long Code;
};

// Names of codes, as the author's form writes them; names are read in any letter case.
constexpr std::array QuestionKindNames{TNamedCode{"Multiple Choice", 0},
                                       TNamedCode{"True/False", 1}, TNamedCode{"Word Problem", 2}};
constexpr std::array VariableKindNames{TNamedCode{"percent", 0}, TNamedCode{"money", 1},
                                       TNamedCode{"number", 2}, TNamedCode{"choice", 3}};
// Every topic a book has carries this attribute unless written otherwise; the program reads none.
constexpr TNamedCode StandardTopicAttribute{"standard", 2};

// The book's texts: the author's name, then the stored form's.
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> BookTextNames{{
    {"Title", "Title"},
    {"Subtitle", "Text2"},      // the third line of the book chooser
    {"Edition", "Text3"},       // the second line of the book chooser
    {"Copyright", "Copyright"}, // About Book
    {"HiddenText4", "Text4"},   // kept in the book, never shown
    {"HiddenText6", "Text6"},
    {"HiddenText7", "Text7"},
}};

constexpr int DefaultBookFileVersion = 5;

// Whether a parsed source is in the author's form rather than the stored one.
bool IsAuthorsForm(const nlohmann::json& source);

// Every file of the book a source describes, in either form (see BuildBookFiles). A fault of an
// author's source, and a text it loses, names the author's member, lists counted from 1.
std::map<std::string, std::string>
BuildBookFilesOfSource(const nlohmann::json& source, const std::filesystem::path& sourceDir,
                       const std::vector<std::filesystem::path>& pictureDirs,
                       std::vector<TSourceFinding>* lost = nullptr);

// The book in dir in the author's form, its pictures named as BookDirectoryToJson names them.
// Raises std::runtime_error for what the author's form cannot hold.
nlohmann::ordered_json
AuthorsFormOfDirectory(const std::filesystem::path& dir,
                       const std::optional<std::filesystem::path>& manifestFolder);

} // namespace quillara::tool
