#include "core/book/settings_file.h"

#include <gtest/gtest.h>

namespace quillara {
namespace {

// A title of `length` characters drawn from those that trip up a settings reader.
std::string TrickyTitle(std::size_t length) {
    const std::string alphabet = "Ab ;=[]#\"\\\t\xE9\x80z";
    std::string title;
    for (std::size_t i = 0; i < length; ++i)
        title += alphabet[i % alphabet.size()];
    title.front() = 'T';
    title.back() = 'e';
    return title;
}

TEST(SettingsFile, EverySectionWrittenForATitleReadsBackWhole) {
    for (std::size_t length = 1; length <= 255; ++length) {
        const std::string title = TrickyTitle(length);
        const std::string text = "[" + TrickyTitle(length + 1) + "]\r\nSave Directory=/wrong/\r\n" +
                                 WriteSettingsSection(title, {{"Save Directory", "/books/x ;y=z/"},
                                                              {"Currency", "de_DE"}}) +
                                 "[" + title.substr(0, length - 1) + "]\r\nCurrency=en_US\r\n";
        const auto values = ReadSettingsSection(text, title);
        EXPECT_EQ(values.size(), 2u) << "title of " << length;
        EXPECT_EQ(values.at("SAVE DIRECTORY"), "/books/x ;y=z/") << "title of " << length;
        EXPECT_EQ(values.at("CURRENCY"), "de_DE") << "title of " << length;
    }
}

TEST(SettingsFile, HandWrittenFilesReadAsTheirAuthorsMeantThem) {
    struct Case {
        const char* Text;
        const char* Section;
        std::map<std::string, std::string> Values;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF[Bio]\nA=1\n", "Bio", {{"A", "1"}}},
        {"  [ bio ]  \r\n  key = two words  \r\n;Key=comment\n#Key=comment\nnot a value\n",
         "BIO",
         {{"KEY", "two words"}}},
        {"[Bio]\nA=1\n[Other]\nA=2\n[BIO]\nA=3\n", "Bio", {{"A", "3"}}},
        {"[Bio\nA=1\n", "Bio", {{"A", "1"}}},
        {"[Bio]x]\nA=1\n[Bio]\nB=2", "Bio]x", {{"A", "1"}}},
        {"A=outside\n[Bio]", "Bio", {}},
        {"", "Bio", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadSettingsSection(c.Text, c.Section), c.Values) << c.Text;
    EXPECT_FALSE(CanNameSettingsSection("two\nlines"));
    EXPECT_TRUE(CanNameSettingsSection("[one]; line = \"yes\""));
}

} // namespace
} // namespace quillara
