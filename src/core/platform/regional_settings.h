#pragma once

#include <optional>
#include <string>

namespace quillara {

// The user's conventions for numbers, money and dates. The window fills it from the desktop
// locale; tests and the book tool build it by hand.
struct TRegionalSettings {
    std::string DecimalSeparator = ".";
    std::string ThousandSeparator = ",";
    std::string CurrencySymbol = "$";
    // Where the symbol goes in a positive amount: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int CurrencyFormat = 0;
    // The form of a negative amount, 0 "($1)" to 15 "(1 $)", in the usual numbering.
    int NegativeCurrencyFormat = 0;
    // A book that keeps its money in another locale's currency writes amounts with that locale's
    // separators; none means the ones above.
    struct TMoneySeparators {
        std::string Decimal;
        std::string Thousand;
    };
    std::optional<TMoneySeparators> MoneySeparators;
    std::string ShortDateFormat = "M/d/yyyy";
    std::string DateSeparator = "/";
};

} // namespace quillara
