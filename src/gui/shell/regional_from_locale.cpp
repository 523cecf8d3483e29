#include "gui/shell/regional_from_locale.h"

#include "gui/widgets/book_text.h"

#include <QStringList>

namespace quillara::gui {

namespace {

// Non-breaking and narrow spaces count as plain spaces when telling the patterns apart.
QString Plain(QString text) {
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    text.replace(QChar(0x202F), QLatin1Char(' '));
    return text;
}

// Negative amount patterns, in the usual numbering, with "$" for the symbol and "1" for the number.
const QStringList NegativePatterns = {"($1)", "-$1",  "$-1",   "$1-",  "(1$)", "-1$",
                                      "1-$",  "1$-",  "-1 $",  "-$ 1", "1 $-", "$ 1-",
                                      "$ -1", "1- $", "($ 1)", "(1 $)"};
const QStringList PositivePatterns = {"$1", "1$", "$ 1", "1 $"};

int PatternOf(const QString& formatted, const QString& symbol, const QStringList& patterns,
              int fallback) {
    QString shape = Plain(formatted);
    shape.replace(symbol, QStringLiteral("$"));
    // Whatever number the locale wrote becomes "1".
    QString collapsed;
    bool inNumber = false;
    for (QChar c : shape) {
        const bool digitish = c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char(',');
        if (digitish && !inNumber) collapsed += QLatin1Char('1');
        if (!digitish) collapsed += c;
        inNumber = digitish;
    }
    const int index = static_cast<int>(patterns.indexOf(collapsed));
    return index >= 0 ? index : fallback;
}

} // namespace

bool UseBookCurrency(TRegionalSettings& regional, const QString& localeName) {
    const QLocale locale(localeName);
    // An unknown name gives the C locale, which has no currency of its own.
    if (locale.language() == QLocale::C) return false;
    const TRegionalSettings book = RegionalFromLocale(locale);
    regional.CurrencySymbol = book.CurrencySymbol;
    regional.CurrencyFormat = book.CurrencyFormat;
    regional.NegativeCurrencyFormat = book.NegativeCurrencyFormat;
    regional.MoneySeparators = {{book.DecimalSeparator, book.ThousandSeparator}};
    return true;
}

TRegionalSettings RegionalFromLocale(const QLocale& locale) {
    TRegionalSettings regional;
    regional.DecimalSeparator = ToBook(locale.decimalPoint());
    regional.ThousandSeparator = ToBook(Plain(locale.groupSeparator()));
    const QString symbol = locale.currencySymbol();
    regional.CurrencySymbol = ToBook(symbol);
    regional.CurrencyFormat = PatternOf(locale.toCurrencyString(1.0), symbol, PositivePatterns, 0);
    regional.NegativeCurrencyFormat =
        PatternOf(locale.toCurrencyString(-1.0), symbol, NegativePatterns, 1);
    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    regional.ShortDateFormat = ToBook(dateFormat);
    for (QChar c : dateFormat) {
        if (!c.isLetter()) {
            regional.DateSeparator = ToBook(QString(c));
            break;
        }
    }
    return regional;
}

} // namespace quillara::gui
