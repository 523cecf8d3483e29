#include "commands.h"

#include <array>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr const char* Usage =
    "usage: quillara-book dump FILE|DIR [--kind book|topics|questions|glossary|authors|scores]\n"
    "                          [--csv [--book DIR]] [--source] [-o OUTFILE]\n"
    "       quillara-book build SOURCE OUTDIR [--pictures DIR]...\n"
    "       quillara-book check DIR\n"
    "       quillara-book new DIR\n"
    "       quillara-book synth OUTDIR [--chapters N] [--questions N] [--terms N] [--scores N] "
    "[--topics N] [--page-words N] [--seed S]\n"
    "       quillara-book show DIR CHAPTER [N] [--seed S] [--rtf] [--size PT]\n"
    "       quillara-book eval [--book DIR] [--set NAME=VALUE]... [--declare \"f(x) = ...\"]... "
    "EXPRESSION\n"
    "       quillara-book eval --functions [--book DIR]\n"
    "       quillara-book import FILE BOOK --chapter N [--format gift|moodle-xml|aiken]\n"
    "       quillara-book export BOOK CHAPTER --format gift|moodle-xml [-o FILE]\n";

struct Command {
    std::string_view Name;
    int (*Run)(const quillara::tool::Arguments&);
    // What "quillara-book COMMAND --help" prints.
    std::string_view Help;
};

constexpr std::array Commands{
    Command{"dump", quillara::tool::RunDump,
            "usage: quillara-book dump FILE|DIR [--kind "
            "book|topics|questions|glossary|authors|scores]\n"
            "                          [--csv [--book DIR]] [--source] [-o OUTFILE]\n"
            "Prints a book file, or every file of the book in DIR, as JSON.\n"
            "  --kind K       read FILE as this kind of file when its name does not tell\n"
            "  --csv          print a score file as a CSV table, one row per score and chapter\n"
            "  --book DIR     name the chapters of that table from the book in DIR\n"
            "  --source       print the book in DIR in the author's form, which names its\n"
            "                 kinds, texts and parameters (docs/book-source.md)\n"
            "  -o, --output OUTFILE\n"
            "                 write to OUTFILE instead of the standard output\n"
            "The dump of DIR names its pictures so that build makes the same book from it\n"
            "wherever it is saved: by absolute paths on the standard output, by paths\n"
            "relative to the folder of OUTFILE with -o.\n"},
    Command{"build", quillara::tool::RunBuild,
            "usage: quillara-book build SOURCE OUTDIR [--pictures DIR]...\n"
            "Writes the book described by the JSON file SOURCE into OUTDIR. SOURCE is in the\n"
            "author's form (as new and dump --source write it) or in the form dump prints.\n"
            "Files that SOURCE names by a relative path are looked for in its folder.\n"
            "  --pictures DIR  look for the pictures SOURCE names in DIR first\n"},
    Command{"check", quillara::tool::RunCheck,
            "usage: quillara-book check DIR\n"
            "Reports everything in the book in DIR that would go wrong or look wrong for a\n"
            "student; exits 1 when there is an error.\n"
            "A file larger than its kind may be is refused unread, as the program refuses it,\n"
            "and reported as an error that names the file and the limit:\n"
            "  BOOK.DEF 16 MiB, TOPICS.n 16 MiB, QUESTION.n 32 MiB, GLOSSARY.DEF 32 MiB,\n"
            "  AUTHORS 65537 bytes, each picture 64 MiB.\n"},
    Command{"new", quillara::tool::RunNew,
            "usage: quillara-book new DIR\n"
            "Writes a small starting book into DIR, a new or empty folder: book.json in the\n"
            "author's form, with notes for the author in its \"//\" members, a topic page for\n"
            "each chapter and the pictures. build makes a working book of it at once.\n"},
    Command{"synth", quillara::tool::RunSynth,
            "usage: quillara-book synth OUTDIR [--chapters N] [--questions N] [--terms N] "
            "[--scores N] [--topics N] [--page-words N] [--seed S]\n"
            "Writes a generated book of the given size into OUTDIR.\n"
            "  --chapters N   chapters in the book\n"
            "  --questions N  questions in each chapter\n"
            "  --terms N      glossary terms\n"
            "  --scores N     saved scores in SCORES.SAV\n"
            "  --topics N     topics in the book, each a page in every chapter\n"
            "  --page-words N words of prose on each topic page, as many as fit\n"
            "  --seed S       seed of the generator; the same seed writes the same book\n"},
    Command{"show", quillara::tool::RunShow,
            "usage: quillara-book show DIR CHAPTER [N] [--seed S] [--rtf] [--size PT]\n"
            "Prints a chapter's questions (or only question N) with their placeholders filled.\n"
            "  --seed S   seed of the draws that fill the placeholders\n"
            "  --rtf      print the question as the window's RTF\n"
            "  --size PT  font size of that RTF, 1 to 1000\n"},
    Command{"eval", quillara::tool::RunEval,
            "usage: quillara-book eval [--book DIR] [--set NAME=VALUE]... "
            "[--declare \"f(x) = ...\"]... EXPRESSION\n"
            "       quillara-book eval --functions [--book DIR]\n"
            "Computes a word-problem formula.\n"
            "  --functions      list the functions a formula may call, with their parameters\n"
            "  --book DIR       use the variables and formulas of the book in DIR\n"
            "  --set NAME=VALUE give a variable a value\n"
            "  --declare DEF    declare a function\n"},
    Command{"import", quillara::tool::RunImport,
            "usage: quillara-book import FILE BOOK --chapter N [--format gift|moodle-xml|aiken]\n"
            "Adds the questions of a quiz file to chapter N's question bank of the book in BOOK,\n"
            "making the bank when the chapter has none.\n"
            "  --chapter N   the chapter whose bank takes the questions\n"
            "  --format F    the file's format; guessed from the file when not given\n"
            "True/False and Multiple Choice questions with one right answer and two to five\n"
            "choices come in as they are; numerical and calculated questions become word\n"
            "problems, their variables added to BOOK.DEF. Feedback becomes the explanation,\n"
            "HTML and Markdown plain text. Every question left out is named by its line (or\n"
            "its name in XML) with the reason, and so is every character Windows-1252 lacks.\n"
            "A file that does not parse changes nothing and is named with its line and column.\n"},
    Command{"export", quillara::tool::RunExport,
            "usage: quillara-book export BOOK CHAPTER --format gift|moodle-xml [-o FILE]\n"
            "Writes a chapter's questions as a quiz file for a learning platform; word problems\n"
            "become numerical questions, or calculated ones with their variables (moodle-xml\n"
            "only). Questions the format cannot hold are named on the standard error.\n"
            "  --format F        gift or moodle-xml\n"
            "  -o, --output FILE write to FILE instead of the standard output\n"},
};

bool AsksForHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

} // namespace

int main(int argc, char** argv) {
    using namespace quillara::tool;
    if (argc < 2) {
        std::cerr << Usage;
        return 2;
    }
    const std::string verb = argv[1];
    const Arguments args(argv + 2, argv + argc);
    try {
        if (AsksForHelp(verb) || verb == "help") {
            std::cout << Usage;
            return 0;
        }
        if (verb == "--version") {
            std::cout << "quillara-book " << QUILLARA_VERSION << "\n";
            return 0;
        }
        for (const Command& command : Commands) {
            if (verb != command.Name) continue;
            for (const std::string& arg : args) {
                if (AsksForHelp(arg)) {
                    std::cout << command.Help;
                    return 0;
                }
            }
            return command.Run(args);
        }
        throw UsageError("unknown command \"" + verb + "\"");
    } catch (const UsageError& e) {
        std::cerr << "quillara-book: " << e.what() << "\n" << Usage;
        return 2;
    }
}
