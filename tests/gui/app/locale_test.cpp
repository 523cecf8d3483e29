// Book files read the same in every locale; money stays in the book's currency.
#include "core/book/book_properties.h"
#include "core/book/book_properties_writer.h"
#include "core/io/book_errors.h"
#include "core/io/byte_reader.h"
#include "core/text/number_text.h"
#include "gui/shell/regional_from_locale.h"
#include "gui/shell/settings.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

std::unique_ptr<TBookProperties> BookWithBoundsWrittenBy(const std::string& separator,
                                                         const TRegionalSettings& reader) {
    TBookProperties book;
    book.Variables.push_back(
        std::make_unique<TVarible>("rate", vkNumber, TReal48::FromExtended(0.05L),
                                   TReal48::FromExtended(12.5L), 3, std::nullopt));
    TRegionalSettings writer;
    writer.DecimalSeparator = separator;
    const std::string bytes = WriteBookProperties(book, 5, writer);
    TByteReader in(bytes, "BOOK.DEF");
    return ReadBookProperties(in, reader);
}

TEST(Locales, BookNumbersReadAlikeTypedAnswersTakeEitherSeparatorMoneyKeepsItsCurrency) {
    for (const char* name : {"de_DE", "fr_FR", "pt_BR", "en_GB", "en_US"}) {
        SCOPED_TRACE(name);
        const TRegionalSettings user = RegionalFromLocale(QLocale(QString::fromLatin1(name)));
        for (const char* separator : {".", ","}) {
            const auto book = BookWithBoundsWrittenBy(separator, user);
            EXPECT_EQ(book->Variables[0]->Min.ToExtended(),
                      TReal48::FromExtended(0.05L).ToExtended());
            EXPECT_EQ(book->Variables[0]->Max.ToExtended(), 12.5L);
        }
        EXPECT_EQ(ParseTypedNumberText("2.5", user).Value, 2.5L);
        EXPECT_EQ(ParseTypedNumberText("2" + user.DecimalSeparator + "5", user).Value, 2.5L);

        TRegionalSettings money = user;
        ASSERT_TRUE(UseBookCurrency(money, QStringLiteral("en_US")));
        EXPECT_EQ(FormatCurrency(1234.5L, 2, money), "$1,234.50");
        // Other numbers stay the student's own.
        EXPECT_EQ(FormatFixed(2.5L, 18, 1, money), "2" + user.DecimalSeparator + "5");
    }
    TRegionalSettings euro = RegionalFromLocale(QLocale(QStringLiteral("en_US")));
    ASSERT_TRUE(UseBookCurrency(euro, QStringLiteral("de_DE")));
    EXPECT_EQ(FormatCurrency(1234.5L, 2, euro), "1.234,50 \x80");
    TRegionalSettings unchanged = euro;
    EXPECT_FALSE(UseBookCurrency(unchanged, QStringLiteral("qq_QQ")));
    EXPECT_EQ(FormatCurrency(1234.5L, 2, unchanged), "1.234,50 \x80");
}

// A student types numbers as they write them, or as the book writes its money; where the two
// read a number differently, the book's way wins and the student is told.
TEST(Locales, TypedAnswersReadInTheStudentsFormAndTheBooks) {
    const struct {
        const char* Locale;
        const char* BookCurrency;
        const char* Typed;
        long double Value;
        bool OtherReading;
    } cases[] = {
        {"de_DE", "", "1.400,00", 1400, false},
        {"de_DE", "", "1400,5", 1400.5L, false},
        {"de_DE", "", "1.5", 1.5L, false},
        {"de_DE", "", "1.500", 1500, true},
        {"de_DE", "", " -12.345.678,9 ", -12345678.9L, false},
        {"de_DE", "en_US", "1,400", 1400, true},
        {"de_DE", "en_US", "1,5", 1.5L, false},
        {"de_DE", "en_US", "$2,800.50", 2800.5L, false},
        {"en_US", "", "1,400", 1400, false},
        {"en_US", "", "1,400.25", 1400.25L, false},
        {"en_US", "", "$2,800", 2800, false},
        {"en_US", "", "2e3", 2000, false},
        {"en_US", "de_DE", "1.400,5", 1400.5L, false},
        {"fr_FR", "", "1 400,5", 1400.5L, false},
        {"fr_FR", "",
         "1\xA0"
         "400",
         1400, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Locale) + " " + c.BookCurrency + " " + c.Typed);
        TRegionalSettings regional = RegionalFromLocale(QLocale(QString::fromLatin1(c.Locale)));
        if (*c.BookCurrency) ASSERT_TRUE(UseBookCurrency(regional, c.BookCurrency));
        const TTypedNumber read = ParseTypedNumberText(c.Typed, regional);
        EXPECT_NEAR(static_cast<double>(read.Value), static_cast<double>(c.Value), 1e-9);
        EXPECT_EQ(read.OtherReading, c.OtherReading);
    }
    const TRegionalSettings german = RegionalFromLocale(QLocale(QStringLiteral("de_DE")));
    for (const char* refused : {"1,40,0", ",", "1.400.0,5", "12a", "$"})
        EXPECT_THROW(ParseTypedNumberText(refused, german), EConvertError) << refused;
}

TEST(Locales, TheSettingsSectionNamesTheBooksCurrency) {
    TBookSettings program;
    program.SettingsSection = "Personal Finance";
    ReadSettingsText(program, "[Other]\nCurrency=de_DE\n[personal finance]\ncurrency = en_US\n");
    EXPECT_EQ(program.BookCurrency, "en_US");
    EXPECT_FALSE(program.SaveDirectoryNamed);
    ReadSettingsText(program, "[Personal Finance]\nSave Directory=/tmp/x/\n");
    EXPECT_TRUE(program.SaveDirectoryNamed);
}

} // namespace
} // namespace quillara::gui
