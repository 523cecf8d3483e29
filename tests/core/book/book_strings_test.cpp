#include "core/book/book_strings.h"
#include "byte_string.h"
#include "core/io/book_errors.h"

#include <gtest/gtest.h>

namespace quillara {
namespace {

using testing::Bytes;

TEST(BookStrings, ReadersTrimTrailingBlanksAndKeepLeadingOnes) {
    const std::string data = Bytes({0}) + Bytes({3, 0}) + "ab" + Bytes({0}) + Bytes({6}) +
                             "abc   " + Bytes({4}) + "  x\t" + Bytes({0, 0});
    TByteReader in(data, "test");
    EXPECT_EQ(ReadShortString(in, "a"), "");
    EXPECT_EQ(in.Position(), 1u);
    EXPECT_EQ(ReadLongString(in, "b"), "ab");
    EXPECT_EQ(ReadShortString(in, "c"), "abc");
    EXPECT_EQ(ReadShortString(in, "d"), "  x");
    EXPECT_EQ(ReadLongString(in, "e"), "");
    EXPECT_TRUE(in.AtEnd());
}

TEST(BookStrings, WritersStoreWhatReadersGiveBack) {
    TByteWriter out;
    WriteShortString(out, "abc   ");
    WriteLongString(out, "");
    WriteShortString(out, "");
    EXPECT_EQ(out.Bytes(), Bytes({3}) + "abc" + Bytes({0, 0, 0}));
}

TEST(BookStrings, OverlongTextsAreCutToTheLimitWithAMatchingLength) {
    TByteWriter out;
    WriteShortString(out, std::string(300, 'x'));
    WriteLongString(out, std::string(70000, 'y'));
    TByteReader in(out.Bytes(), "test");
    EXPECT_EQ(ReadShortString(in, "a"), std::string(255, 'x'));
    EXPECT_EQ(ReadLongString(in, "b"), std::string(65535, 'y'));
    EXPECT_TRUE(in.AtEnd());
}

TEST(BookStrings, TruncatedFieldNamesFileFieldAndOffset) {
    const std::string data = Bytes({1, 'a', 9, 'b'});
    TByteReader in(data, "TOPICS.3");
    ReadShortString(in, "key");
    try {
        ReadShortString(in, "page");
        FAIL() << "no error";
    } catch (const TTruncatedFileError& e) {
        EXPECT_STREQ(e.what(), "TOPICS.3: the file ends inside page at byte 3");
    }
}

} // namespace
} // namespace quillara
