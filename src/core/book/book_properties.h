#pragma once

#include "core/formula/formula.h"
#include "core/formula/formula_scope.h"
#include "core/formula/variable.h"
#include "core/platform/regional_settings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillara {

class TByteReader;

struct TChapterTopic {
    std::string Title;
    // The topic's place among the book's topic records, from 1.
    std::int32_t TopicId = 0;
    std::uint16_t TopicAttribute = 0;
    // The stored form: 0 unmarked, 1 "CTI" version 1, else a marked record of unknown version.
    std::uint8_t RecordVersion = 1;
};

struct TExpression {
    std::string SecondText;
    std::string FirstText;
    std::uint8_t RecordVersion = 2;
};

struct TColor {
    std::uint8_t Red = 0, Green = 0, Blue = 0;
};

// The name of the cover picture in the book's folder, shown on every display.
inline constexpr char CoverPictureFull[] = "cover.jpg";
// The colour of the chapter heading strip.
inline constexpr TColor ChapterHeadColor{255, 255, 255};

// The book definition, read once from BOOK.DEF and not changed afterwards. It owns its variables
// and formulas; a formula evaluated for this book sees them, in file order, through Scope() and
// sees nothing else. The figures drawn for its variables belong to each attempt.
class TBookProperties {
public:
    std::string Text6;
    std::string Text7;
    std::string Title;
    std::string Text2;
    std::string Text3;
    std::string Text4;
    std::string Copyright;
    std::vector<TChapterTopic> Topics;
    bool HasGlossary = false;
    bool HasMatchingQuiz = false;
    bool HasAuthorsNotes = false;
    std::array<bool, 4> ReservedFlags{};
    std::int16_t ChapterCount = 0;
    std::vector<std::string> ChapterNames;
    std::int16_t VariableCount = 0;
    std::int16_t ExpressionCount = 0;
    std::int16_t FormulaCount = 0;
    TVariableList Variables;
    // The figure each variable drew as it was read, in file order. Every attempt starts from
    // these, so a formula naming a variable that no question has named yet still reads a figure
    // from that variable's range.
    TVariableValues FirstValues;
    std::vector<TExpression> Expressions;
    TFormulaList Formulas;
    bool LoadFailed = false;
    std::string LoadError;
    // The version byte of the file: 0 for the unmarked layout.
    std::uint8_t Version = 0;

    std::string ChapterName(int chapter) const;
    // The file name of a chapter's heading picture, "CHAP3.JPG" for chapter 3.
    static std::string ChapterPicture(int chapter);
    // Whether the chapter lies in 1..min(ChapterCount, 255); never fails.
    bool TopicInChapter(int chapter, std::int32_t topicId) const;
    std::string TopicTitle(std::int32_t topicId) const;
    // The first variable named exactly `name`, without braces, as question text names it.
    const TVarible* FindVariable(std::string_view name) const;
    // What the book's formulas and a question's answer formula are evaluated in, reading the
    // figures an attempt drew.
    TFormulaScope Scope(const TVariableValues& values) const {
        return {Variables, Formulas, values};
    }
    TFormulaScope Scope(TVariableValues&&) const = delete;
};

// Reads BOOK.DEF from its bytes. Stream failures, a truncated file, a number that does not
// convert and a malformed formula raise; an unknown version sets LoadFailed instead.
std::unique_ptr<TBookProperties> ReadBookProperties(TByteReader& in,
                                                    const TRegionalSettings& regional);
// Reads the directory's BOOK.DEF; a missing file raises TFileOpenError.
std::unique_ptr<TBookProperties> LoadBookProperties(const std::filesystem::path& directory,
                                                    const TRegionalSettings& regional);

} // namespace quillara
