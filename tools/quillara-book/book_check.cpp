#include "book_check.h"

#include "commands.h"
#include "core/book/authors_notes.h"
#include "core/book/book_files.h"
#include "core/book/book_properties.h"
#include "core/book/glossary.h"
#include "core/book/glossary_stream.h"
#include "core/book/question.h"
#include "core/book/question_bank_stream.h"
#include "core/book/question_text.h"
#include "core/book/term_set.h"
#include "core/book/topic_pages.h"
#include "core/io/book_errors.h"
#include "core/numeric/math_errors.h"
#include "core/picture/jpeg_decoder.h"
#include "core/platform/random_source.h"
#include "core/text/windows1252.h"
#include "page_pictures.h"
#include "word_problems.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <set>
#include <sstream>

namespace quillara::tool {

namespace fs = std::filesystem;

namespace {

// Collects findings, one line each: "FILE: PLACE: error|warning: MESSAGE".
class Report {
public:
    Report(std::ostream& out, std::string lead, bool errorsOnly)
        : Out(out), Lead(std::move(lead)), ErrorsOnly(errorsOnly) {}
    void Error(const std::string& file, const std::string& place, const std::string& message) {
        Line(file, place, "error", message);
        ++Errors;
    }
    void Warning(const std::string& file, const std::string& place, const std::string& message) {
        if (!ErrorsOnly) Line(file, place, "warning", message);
        ++Warnings;
    }
    int Errors = 0;
    int Warnings = 0;

private:
    void Line(const std::string& file, const std::string& place, const char* severity,
              std::string message) {
        // Reader errors name the file already; once on the line is enough.
        if (message.starts_with(file + ": ")) message.erase(0, file.size() + 2);
        Out << Lead << file << ": " << (place.empty() ? "" : place + ": ") << severity << ": "
            << Windows1252ToUtf8(message) << "\n";
    }

    std::ostream& Out;
    const std::string Lead;
    const bool ErrorsOnly;
};

// How many draws a word problem's formula is tried on, and the seed they come from.
constexpr int WordProblemDraws = 100;
constexpr std::uint64_t CheckSeed = 1;

// The program's draws come from a fixed seed while the book is checked.
class SeededDraws {
public:
    SeededDraws() { SetProgramRandom(&Random); }
    ~SeededDraws() { SetProgramRandom(nullptr); }
    SeededDraws(const SeededDraws&) = delete;
    SeededDraws& operator=(const SeededDraws&) = delete;

private:
    TSeededRandom Random{CheckSeed};
};

// "A, B, C"
std::string Listed(std::string_view letters) {
    std::string list;
    for (const char letter : letters)
        list += (list.empty() ? "" : ", ") + std::string(1, letter);
    return list;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// A file's bytes, or nothing when it is missing (reported by the caller as it sees fit).
std::optional<std::string> ReadIfPresent(const fs::path& dir, const std::string& name,
                                         std::uint64_t maxSize, Report& report) {
    if (!FindBookFile(dir, name)) return std::nullopt;
    try {
        return ReadBookFile(dir, name, maxSize);
    } catch (const std::exception& e) {
        report.Error(name, "", e.what());
        return std::nullopt;
    }
}

// A file opened to be read a record at a time, or nothing when it is missing (reported by the
// caller as it sees fit).
std::unique_ptr<TBookFileStream> OpenIfPresent(const fs::path& dir, const std::string& name,
                                               std::uint64_t maxSize, Report& report) {
    const auto path = FindBookFile(dir, name);
    if (!path) return nullptr;
    try {
        return std::make_unique<TBookFileStream>(*path, maxSize);
    } catch (const std::exception& e) {
        report.Error(name, "", e.what());
        return nullptr;
    }
}

void CheckPicture(const fs::path& dir, const std::string& name, const std::string& usedBy,
                  Report& report) {
    const auto path = FindBookFile(dir, name);
    if (!path) {
        report.Error(usedBy, "", "picture " + Quoted(name) + " is missing");
        return;
    }
    std::string bytes;
    try {
        bytes = ReadWholeFile(*path, MaxPictureFileSize);
    } catch (const std::exception& e) {
        report.Error(name, "", e.what());
        return;
    }
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) return;
    try {
        // Every byte is decoded at the smallest scale: the picture is checked, not shown.
        DecodeJpeg(bytes, {}, {1, 1});
    } catch (const TPictureError& e) {
        report.Error(name, "", e.what());
    }
}

struct BookCheck {
    const fs::path& Dir;
    const TBookProperties& Book;
    const TTermSet& GlossaryTerms;
    bool HasGlossary;
    Report& Out;
    // The figures word problems are tried with, drawn as an attempt draws them.
    TVariableValues Values = Book.FirstValues;

    // Looks at a record where it lies in the bank's bytes: no question is built for it.
    void Question(const std::string& file, std::size_t number, const TQuestionFields& q) {
        // Made only for a finding: most questions have none.
        const auto place = [number] { return "question " + std::to_string(number); };
        if (q.Kind == qkMultipleChoice) {
            if (q.ChoiceCount == 0 || q.ChoiceCount > 5)
                Out.Error(file, place(),
                          "a Multiple Choice question needs 1 to 5 choices, not " +
                              std::to_string(q.ChoiceCount));
            if (q.ChoiceCount >= 1 && q.ChoiceCount <= 5) ChoicesWritten(file, number, q);
            const int index = q.Answer >= 'A' && q.Answer <= 'E' ? q.Answer - 'A' : -1;
            if (q.ChoiceCount >= 1 && (index < 0 || index >= std::min<int>(q.ChoiceCount, 5)))
                Out.Error(file, place(),
                          "the answer " + Quoted(std::string(1, q.Answer)) + " is not among its " +
                              std::to_string(q.ChoiceCount) + " choices");
        } else if (q.Kind == qkTrueFalse) {
            if (q.Answer != 'T' && q.Answer != 'F')
                Out.Error(file, place(),
                          "a True/False answer must be T or F, not " +
                              Quoted(std::string(1, q.Answer)));
        } else if (q.Kind == qkWordProblem) {
            WordProblem(file, place(), q);
        } else {
            Out.Warning(file, place(),
                        "kind " + std::to_string(q.Kind) +
                            " is no kind of question; it is never asked");
        }
        ForEachPlaceholderName(q.Text, [&](std::string_view name) {
            if (!Book.FindVariable(name))
                Out.Warning(file, place(),
                            "placeholder {" + std::string(name) +
                                "} names no variable and shows nothing");
        });
        ForEachRelatedTerm(q, [&](std::string_view term) {
            if (!HasGlossary || !GlossaryTerms.contains(term))
                Out.Warning(file, place(),
                            "related term " + Quoted(term) + " is not in the glossary");
        });
        if (q.Text.empty()) Out.Error(file, place(), "the question has no text");
    }

    // The window offers a button for each of the first ChoiceCount letters, whatever the text.
    void ChoicesWritten(const std::string& file, std::size_t number, const TQuestionFields& q) {
        const std::string letters = ChoiceLetters(q.Text);
        const std::size_t count = q.ChoiceCount;
        if (letters.size() == count) return;
        const std::string written =
            letters.empty() ? "writes no choices"
                            : "writes " + std::to_string(letters.size()) + " choice" +
                                  (letters.size() == 1 ? "" : "s") + " (" + Listed(letters) + ")";
        Out.Error(file, "question " + std::to_string(number),
                  "ChoiceCount is " + std::to_string(count) + " but the text " + written +
                      (letters.size() < count
                           ? ": the student would get buttons with no choice; set ChoiceCount to " +
                                 std::to_string(letters.size()) +
                                 " or write each missing choice on a line starting \"" +
                                 std::string(1, static_cast<char>('A' + letters.size())) + ") \""
                           : ": the student would have no button for the last; set ChoiceCount "
                             "to " +
                                 std::to_string(std::min<std::size_t>(letters.size(), 5)) +
                                 " or remove the choices past " +
                                 std::string(1, static_cast<char>('A' + count - 1)) + ")"));
    }

    // The formula is tried on many draws of the text's variables, as a student would meet them.
    void WordProblem(const std::string& file, const std::string& place, const TQuestionFields& q) {
        TAnswerFormula formula{std::string(q.Formula)};
        if (!formula.Compiled()) {
            const std::string& why = formula.CompileError();
            Out.Error(file, place,
                      "the formula " + Quoted(q.Formula) + " does not compile" +
                          (why.empty() ? "" : ": " + why));
            return;
        }
        TQuestion question;
        question.Text = std::string(q.Text);
        question.RoundTo = q.RoundTo;
        int failures = 0;
        std::string firstFailure;
        std::string failingValues;
        for (int draw = 0; draw < WordProblemDraws; ++draw) {
            ForEachPlaceholderName(q.Text, [&](std::string_view name) {
                if (const TVarible* variable = Book.FindVariable(name)) Values.Draw(*variable);
            });
            try {
                formula.ExpectedAnswer(question, Book, Values);
            } catch (const std::exception& e) {
                if (failures++ == 0) {
                    firstFailure = e.what();
                    failingValues = ShownValues(question, Book, Values);
                }
            }
        }
        if (failures == WordProblemDraws)
            Out.Error(file, place,
                      "the formula " + Quoted(q.Formula) + " does not evaluate: " + firstFailure);
        else if (failures > 0)
            Out.Error(file, place,
                      "the formula " + Quoted(q.Formula) + " fails for " +
                          (failingValues.empty() ? "some values" : failingValues) + " (" +
                          firstFailure + "), in " + std::to_string(failures) + " of " +
                          std::to_string(WordProblemDraws) +
                          " draws: make it give an answer for every value its variables may "
                          "draw, or narrow their ranges");
    }
};

void CheckDefinition(const TBookProperties& book, Report& report) {
    const std::string file = "BOOK.DEF";
    if (book.ChapterCount > 255)
        report.Error(file, "",
                     "a book has at most 255 chapters, not " + std::to_string(book.ChapterCount));
    if (book.ChapterCount <= 0) report.Error(file, "", "the book has no chapters");
    for (std::size_t i = 0; i < book.Topics.size(); ++i)
        if (book.Topics[i].RecordVersion > 1)
            report.Error(file, "topic " + std::to_string(i + 1),
                         "unknown version " + std::to_string(book.Topics[i].RecordVersion) +
                             " of a topic record");
    // The chapter panel has a link for each of the book's first three topics; more are reached
    // from the View menu.
    const std::size_t topics = book.Topics.size();
    if (topics < 3)
        report.Warning(file, "",
                       "the book has " + std::to_string(topics) + " topic" +
                           (topics == 1 ? "" : "s") + ", so the chapter panel shows " +
                           (topics == 0   ? "no topic links"
                            : topics == 1 ? "one topic link"
                                          : "two topic links") +
                           " where it has room for three: add topics to fill it");
    for (std::size_t i = 0; i < book.Variables.size(); ++i) {
        const TVarible& v = *book.Variables[i];
        const std::string place = "variable " + std::to_string(i + 1) + " " + Quoted(v.Name);
        if (v.RecordVersion > 1) {
            report.Error(file, place,
                         "unknown version " + std::to_string(v.RecordVersion) +
                             " of a variable record");
            continue;
        }
        if (v.Kind == vkChoice) {
            if (v.Choices->empty())
                report.Warning(file, place, "a choice variable without choices shows nothing");
            continue;
        }
        if (v.BoundsWithoutPoint)
            report.Warning(file, place,
                           "its Min or Max is written with a decimal comma; older readers in "
                           "locales whose separator is a point cannot read it: write a point");
        const long double span = (v.Max.ToExtended() - v.Min.ToExtended()) *
                                 std::pow(10.0L, std::max<int>(v.Decimals, 0));
        if (v.Decimals > 9 || v.Max.ToExtended() < v.Min.ToExtended() || span >= 2147483648.0L)
            report.Warning(file, place, "its bounds and decimals give no meaningful draw");
    }
    for (std::size_t i = 0; i < book.Formulas.size(); ++i)
        if (!book.Formulas[i]->Compiled)
            report.Warning(file, "formula " + std::to_string(i + 1),
                           Quoted(book.Formulas[i]->Source) + " does not compile");
}

} // namespace

TCheckCounts CheckBook(const fs::path& dir, std::ostream& out, const std::string& lead,
                       bool errorsOnly) {
    const SeededDraws draws;
    Report report(out, lead, errorsOnly);

    std::unique_ptr<TBookProperties> book;
    try {
        book = LoadBookProperties(dir, ToolRegionalSettings());
    } catch (const std::exception& e) {
        report.Error("BOOK.DEF", "", e.what());
    }
    if (book && book->LoadFailed) {
        report.Error("BOOK.DEF", "", book->LoadError);
        book.reset();
    }
    if (!book) return {report.Errors, report.Warnings};
    CheckDefinition(*book, report);
    const int chapters = std::clamp<int>(book->ChapterCount, 0, 255);

    // Only the terms are kept, for the questions' related terms: the glossary is read an entry at
    // a time, and what an entry shows is told once the whole file has read.
    std::vector<std::string> termTexts;
    std::vector<std::string> withoutChapter;
    bool glossaryRead = false;
    if (book->HasGlossary) {
        if (auto file = OpenIfPresent(dir, "GLOSSARY.DEF", MaxGlossarySize, report)) {
            try {
                TGlossaryStream entries(*file, "GLOSSARY.DEF");
                while (const auto entry = entries.Next()) {
                    termTexts.emplace_back(entry->Term);
                    if (!TGlossary::InAnyChapter(*entry, chapters))
                        withoutChapter.push_back("term " + std::to_string(termTexts.size()) + " " +
                                                 Quoted(entry->Term));
                }
                glossaryRead = true;
            } catch (const std::exception& e) {
                report.Error("GLOSSARY.DEF", "", e.what());
                termTexts.clear();
                withoutChapter.clear();
            }
        } else if (!FindBookFile(dir, "GLOSSARY.DEF")) {
            report.Error("GLOSSARY.DEF", "", "the book has a glossary but the file is missing");
        }
    }
    for (const std::string& place : withoutChapter)
        report.Warning("GLOSSARY.DEF", place, "belongs to no chapter of the book");

    const TTermSet terms(std::vector<std::string_view>(termTexts.begin(), termTexts.end()));
    BookCheck check{dir, *book, terms, glossaryRead, report};
    for (int chapter = 1; chapter <= chapters; ++chapter) {
        const std::string topicsName = TopicFileName(chapter);
        if (auto bytes = ReadIfPresent(dir, topicsName, MaxTopicFileSize, report)) {
            TByteReader in(*bytes, topicsName);
            try {
                const auto entries = ReadTopicFile(in);
                std::set<std::string> keys;
                for (const TTopicEntry& entry : entries) {
                    keys.insert(entry.Key);
                    for (const std::string& picture : PicturesOfPage(entry.Page))
                        CheckPicture(dir, picture, topicsName + ": " + Quoted(entry.Key), report);
                }
                for (const TChapterTopic& topic : book->Topics)
                    if (!keys.contains(topic.Title))
                        report.Warning(topicsName, "",
                                       "no page for the topic " + Quoted(topic.Title));
            } catch (const std::exception& e) {
                report.Error(topicsName, "", e.what());
            }
        } else if (!FindBookFile(dir, topicsName)) {
            report.Warning(topicsName, "",
                           "chapter " + std::to_string(chapter) + " has no topic pages");
        }

        const std::string bankName = QuestionBankName(chapter);
        if (auto file = OpenIfPresent(dir, bankName, MaxQuestionBankSize, report)) {
            std::size_t number = 0;
            try {
                TQuestionBankStream bank(*file, bankName);
                for (number = 1; const auto fields = bank.NextFields(); ++number)
                    check.Question(bankName, number, *fields);
            } catch (const std::exception& e) {
                report.Error(bankName, number ? "question " + std::to_string(number) : "",
                             e.what());
            }
        } else if (!FindBookFile(dir, bankName)) {
            report.Warning(bankName, "",
                           "chapter " + std::to_string(chapter) + " has no question bank");
        }
        CheckPicture(dir, TBookProperties::ChapterPicture(chapter),
                     "chapter " + std::to_string(chapter), report);
    }
    CheckPicture(dir, CoverPictureFull, "cover", report);
    // Files of chapters the book does not have are never shown.
    for (int chapter = chapters + 1; chapter <= 255; ++chapter) {
        const std::string beyond = "chapter " + std::to_string(chapter) + " is beyond the book's " +
                                   std::to_string(chapters) + " chapters, so ";
        const std::string fix = ": add the chapter's name to the book or remove the file";
        if (FindBookFile(dir, TopicFileName(chapter)))
            report.Error(TopicFileName(chapter), "", beyond + "its pages never show" + fix);
        if (FindBookFile(dir, QuestionBankName(chapter)))
            report.Error(QuestionBankName(chapter), "",
                         beyond + "its questions are never asked" + fix);
    }

    if (book->HasAuthorsNotes) {
        if (auto bytes = ReadIfPresent(dir, "AUTHORS.", MaxAuthorsNotesSize, report)) {
            TByteReader in(*bytes, "AUTHORS");
            try {
                ReadAuthorsNotes(in);
            } catch (const std::exception& e) {
                report.Error("AUTHORS", "", e.what());
            }
        } else if (!FindBookFile(dir, "AUTHORS.")) {
            report.Error("AUTHORS", "", "the book has author's notes but the file is missing");
        }
    }

    return {report.Errors, report.Warnings};
}

std::vector<std::string> QuestionErrors(const TBookProperties& book, const TQuestion& question) {
    TByteWriter writer;
    WriteQuestion(writer, question);
    const std::string record = writer.Take();
    TByteReader in(record, "question");
    const TQuestionFields fields = ReadQuestionFields(in);
    std::ostringstream out;
    Report report(out, {}, true);
    const TTermSet noTerms({});
    SeededDraws seeded;
    BookCheck check{fs::path(), book, noTerms, false, report};
    check.Question("", 1, fields);
    std::vector<std::string> errors;
    const std::string lead = ": question 1: error: ";
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        errors.push_back(line.starts_with(lead) ? line.substr(lead.size()) : line);
    return errors;
}

} // namespace quillara::tool
