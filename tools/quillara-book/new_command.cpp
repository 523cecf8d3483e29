#include "commands.h"
#include "starter_book.h"

#include <iostream>

namespace quillara::tool {

int RunNew(const Arguments& args) {
    TNewOptions options;
    for (const std::string& arg : args) {
        if (arg.starts_with("-")) throw UsageError("unknown option \"" + arg + "\"");
        if (!options.Directory.empty()) throw UsageError("unexpected argument \"" + arg + "\"");
        options.Directory = arg;
    }
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

} // namespace quillara::tool
