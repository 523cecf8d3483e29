#pragma once

#include "core/numeric/extended.h"
#include "core/platform/regional_settings.h"

#include <string>
#include <string_view>

namespace quillara {

// Reads a number written with the user's decimal separator: optional blanks, sign, digits,
// separator, digits, exponent. Anything else raises EConvertError.
Extended ParseNumberText(std::string_view text, const TRegionalSettings& regional);

// Reads a number stored as text in a book file, the same in every locale: written with a point,
// or, by a book made where the decimal separator is another, with the user's separator or a
// comma. `withoutPoint`, when given, tells whether the point did not read it.
Extended ParseStoredNumberText(std::string_view text, const TRegionalSettings& regional,
                               bool* withoutPoint = nullptr);

// A number the student typed, and whether another way of writing numbers reads it otherwise.
struct TTypedNumber {
    Extended Value = 0;
    bool OtherReading = false;
};

// Reads a number the student typed, in any of the forms a student may use: the one the book
// writes its money in when it keeps its own currency, the student's own (their decimal
// separator, and thousands grouped by their separator), or a plain point. A currency symbol
// before or after it is passed over. Where the forms read it differently ("1,400" with a decimal
// comma, in a book that groups thousands with commas), the book's form wins, then the student's.
// Anything else raises EConvertError.
TTypedNumber ParseTypedNumberText(std::string_view text, const TRegionalSettings& regional);

// Fixed-point text: "-" for negatives, at least one digit before the separator, exactly `digits`
// after it, at most `precision` significant digits. An integer part longer than `precision` is
// written in scientific notation instead.
std::string FormatFixed(Extended value, int precision, int digits,
                        const TRegionalSettings& regional);

// A money amount in the currency conventions of `regional`, with thousands separators.
std::string FormatCurrency(Extended value, int digits, const TRegionalSettings& regional);

// General decimal text: at most `precision` significant digits and no trailing zeros, in
// scientific notation ("1.5E+20", "1E-5") only when the exponent reaches `precision` or falls
// below -4. NaN and infinities read "NAN", "INF" and "-INF".
std::string FormatGeneral(double value, int precision, const TRegionalSettings& regional);

// The shortest text that reads back as the same double, with the user's decimal separator.
std::string FormatShortest(double value, const TRegionalSettings& regional);

} // namespace quillara
