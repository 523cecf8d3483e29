#include "command_line.h"
#include "commands.h"
#include "starter_book.h"

#include <iostream>
#include <memory>

namespace quillara::tool {

namespace {

int RunNew(const TNewOptions& options) {
    if (options.Directory.empty()) throw UsageError("new needs DIR");
    try {
        WriteStarterBook(options);
    } catch (const std::exception& e) {
        std::cerr << "quillara-book: " << e.what() << "\n";
        return 1;
    }
    std::cout << "Wrote a starting book in " << options.Directory.string()
              << ". Build it with\n  quillara-book build "
              << (options.Directory / "book.json").string() << " BOOKDIR\n";
    return 0;
}

} // namespace

void AddNewCommand(CLI::App& tool) {
    auto options = std::make_shared<TNewOptions>();
    AddCommand(tool, "new",
               {"new DIR",
                "Writes a small starting book into DIR, a new or empty folder: book.json in the\n"
                "author's form, with notes for the author in its \"//\" members, a topic page for\n"
                "each chapter and the pictures. build makes a working book of it at once."},
               [options] { return RunNew(*options); })
        .add_option("DIR", options->Directory);
}

} // namespace quillara::tool
