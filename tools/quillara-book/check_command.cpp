#include "book_check.h"
#include "book_file_replace.h"
#include "command_line.h"
#include "commands.h"

#include <iostream>
#include <memory>

namespace quillara::tool {

void AddCheckCommand(CLI::App& tool) {
    auto dir = std::make_shared<std::string>();
    AddCommand(tool, "check",
               {"check DIR",
                "Reports everything in the book in DIR that would go wrong or look wrong for a\n"
                "student; exits 1 when there is an error.",
                "A file larger than its kind may be is refused unread, as the program refuses it,\n"
                "and reported as an error that names the file and the limit:\n"
                "  BOOK.DEF 16 MiB, TOPICS.n 16 MiB, QUESTION.n 32 MiB, GLOSSARY.DEF 32 MiB,\n"
                "  AUTHORS 65537 bytes, each picture 64 MiB.\n"
                "A change to the book that a run of the tool was stopped in the middle of is\n"
                "finished first, as every command that opens a book finishes it."},
               [dir] {
                   if (dir->empty()) throw UsageError("check needs DIR");
                   try {
                       FinishBookChanges(*dir);
                   } catch (const std::exception& e) {
                       std::cerr << "quillara-book: " << *dir << ": " << e.what() << "\n";
                       return 1;
                   }
                   const TCheckCounts found = CheckBook(*dir, std::cout);
                   std::cout << found.Errors << " errors, " << found.Warnings << " warnings\n";
                   return found.Errors > 0 ? 1 : 0;
               })
        .add_option("DIR", *dir);
}

} // namespace quillara::tool
