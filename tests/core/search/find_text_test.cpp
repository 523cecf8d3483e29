#include "core/search/find_text.h"
#include "core/search/search_fold.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using quillara::FindText;
using quillara::FoldForSearch;
using quillara::TTextRange;

namespace {

struct FoldCase {
    const char* Text;
    const char* Folded;
};

const FoldCase FoldCases[] = {
    {"Hello WORLD", "hello world"},
    {"Caf\xC3\xA9 \xC3\x80 LA cr\xC3\x88me", "cafe a la creme"},
    {"Stra\xC3\x9F"
     "e \xC3\x86sop \xC5\x92uvre",
     "strasse aesop oeuvre"},
    {"\xC5\xA0koda \xC5\xBD\xC4\x8Fr \xC5\xB8", "skoda zdr y"},
    {"  a \t\r\n b\xC2\xA0\xE2\x80\x83"
     "c  ",
     "a b c"},
    {"don\xE2\x80\x99t \xE2\x80\x9Cstop\xE2\x80\x9D \xE2\x80\x94 now\xE2\x80\xA6",
     "don't \"stop\" - now..."},
    {"soft\xC2\xADhyphen e\xCC\x81t\xC3\xA9", "softhyphen ete"}, // a combining accent is dropped
    {"\xCE\x91\xCE\xB2\xCE\x93 \xCE\xAC\xCF\x82", "\xCE\xB1\xCE\xB2\xCE\xB3 \xCE\xB1\xCF\x83"},
    {"\xD0\x9C\xD0\xB8\xD1\x80 \xD0\x81", "\xD0\xBC\xD0\xB8\xD1\x80 \xD0\xB5"},
    {"\xEF\xAC\x81nd 2\xC3\x97"
     "3",
     "find 2\xC3\x97"
     "3"},
    {"bad \xFF byte", "bad \xEF\xBF\xBD byte"},
};

TEST(FoldForSearch, DropsCaseAccentsAndExtraSpace) {
    for (const FoldCase& c : FoldCases)
        EXPECT_EQ(FoldForSearch(c.Text), c.Folded) << c.Text;
}

struct FindCase {
    const char* Text;
    const char* Query;
    std::vector<TTextRange> Found;
};

const FindCase FindCases[] = {
    {"The cell, the CELLS, a cellar", "cell", {{4, 8}, {14, 18}, {23, 27}}},
    {"aaaa", "aa", {{0, 2}, {2, 4}}}, // never overlapping
    {"cash   flow, cash\nflow", "Cash Flow", {{0, 11}, {13, 22}}},
    {"un caf\xC3\xA9 noir", "CAFE", {{3, 8}}}, // the match covers all of the accented letter
    {"la cafe", "caf\xC3\xA9", {{3, 7}}},      // and an accented query finds a plain word
    {"Gro\xC3\x9F"
     "e",
     "grosse",
     {{0, 6}}},
    {"Gro\xC3\x9F"
     "e",
     "gros",
     {{0, 5}}}, // half of a double letter takes the whole letter
    {"nothing here", "absent", {}},
    {"some text", "  ", {}},
    {"some text", "", {}},
    {"ends with space ", "space", {{10, 15}}},
};

TEST(FindText, FindsEveryMatchAsTheReaderComparesThem) {
    for (const FindCase& c : FindCases)
        EXPECT_EQ(FindText(c.Text, c.Query), c.Found) << c.Text << " / " << c.Query;
}

} // namespace
