// Book files are replaced all together or not at all.
#include "book_file_replace.h"
#include "temp_book_dir.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillara::tool {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Listed(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(BookFileReplace, AllTheFilesOrNone) {
    testing::TempBookDir dir;
    dir.Write("QUESTION.1", "old bank");
    dir.Write("BOOK.DEF", "old book");
    fs::permissions(dir.Path() / "QUESTION.1", fs::perms(0640));

    // The second cannot be put in place: the first is put back, and nothing is left beside them.
    fs::create_directory(dir.Path() / "BLOCKED");
    dir.Write("BLOCKED/inside", "x");
    const auto before = Listed(dir.Path());
    EXPECT_ANY_THROW(ReplaceBookFiles({{dir.Path() / "QUESTION.1", "new bank"},
                                       {dir.Path() / "NEW.DEF", "made"},
                                       {dir.Path() / "BLOCKED", "new"}}));
    EXPECT_EQ(dir.Read("QUESTION.1"), "old bank");
    EXPECT_EQ(Listed(dir.Path()), before);

    ReplaceBookFiles({{dir.Path() / "QUESTION.1", "new bank"},
                      {dir.Path() / "BOOK.DEF", "new book"},
                      {dir.Path() / "QUESTION.2", "made"}});
    EXPECT_EQ(dir.Read("QUESTION.1"), "new bank");
    EXPECT_EQ(dir.Read("BOOK.DEF"), "new book");
    EXPECT_EQ(dir.Read("QUESTION.2"), "made");
    EXPECT_EQ(fs::status(dir.Path() / "QUESTION.1").permissions() & fs::perms::mask,
              fs::perms(0640));
    EXPECT_EQ(Listed(dir.Path()),
              (std::vector<std::string>{"BLOCKED", "BOOK.DEF", "QUESTION.1", "QUESTION.2"}));
}

} // namespace
} // namespace quillara::tool
