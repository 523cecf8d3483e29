#include "core/formula/variable.h"

#include "core/numeric/math_errors.h"
#include "core/numeric/round_to_places.h"
#include "core/platform/random_source.h"
#include "core/text/number_text.h"

#include <algorithm>
#include <cmath>

namespace quillara {

namespace {
// Span and scale beyond what a draw can use give 0 rather than an undefined conversion.
std::int64_t TruncateToInt64(Extended value) {
    if (!(value > -9223372036854775808.0L && value < 9223372036854775808.0L)) throw EInvalidOp();
    return static_cast<std::int64_t>(value);
}
} // namespace

TVarible::TVarible(std::string name, std::int16_t kind, TReal48 min, TReal48 max,
                   std::int16_t decimals, std::optional<std::vector<std::string>> choices)
    : Name(std::move(name)), Kind(kind), Min(min), Max(max), Decimals(decimals),
      Choices(std::move(choices)) {
    if (Kind == vkChoice && !Choices) Choices.emplace();
    if (Kind != vkChoice) Choices.reset();
}

Extended TVarible::DrawValue() const {
    TRandomSource& random = ProgramRandom();
    if (Kind == vkChoice) return random.uniform(static_cast<std::uint32_t>(Choices->size()));
    Extended value = 0;
    try {
        // Decimals above 9 overflow a 32-bit scale: such a scale is treated as a failed draw.
        if (Decimals > 9) throw EOverflow();
        std::int32_t scale = 1;
        for (int i = 0; i < Decimals; ++i)
            scale *= 10;
        const Extended lo = Min.ToExtended() * scale;
        const Extended hi = Max.ToExtended() * scale;
        const auto range = static_cast<std::int32_t>(
            static_cast<std::uint32_t>(static_cast<std::uint64_t>(TruncateToInt64(hi - lo))));
        const std::uint32_t r = range > 0 ? random.uniform(static_cast<std::uint32_t>(range)) : 0;
        value = (static_cast<Extended>(r) + lo) / scale;
        if (!std::isfinite(value)) throw EOverflow();
    } catch (const EMathError&) {
        value = 0;
    }
    try {
        return RoundToPlaces(Decimals, static_cast<double>(value));
    } catch (const EMathError&) {
        return 0;
    }
}

std::string TVarible::DisplayText(Extended value, const TRegionalSettings& regional) const {
    if (Kind == vkChoice) {
        if (!(value > -1)) return {};
        const auto index = static_cast<std::size_t>(std::trunc(value));
        return index < Choices->size() ? (*Choices)[index] : std::string();
    }
    double shown = 0;
    try {
        shown = RoundToPlaces(Decimals, static_cast<double>(value));
    } catch (const EMathError&) {
        shown = static_cast<double>(value);
    }
    const int digits = Decimals > 0 ? Decimals : 0;
    switch (Kind) {
    // Fewer than two places leave no digits after the separator of a percentage.
    case vkPercent:
        return FormatFixed(shown * 100.0L, 7, std::max(digits - 2, 0), regional) + "%";
    case vkCurrency:
        return FormatCurrency(shown, digits, regional);
    case vkNumber:
        return FormatFixed(shown, 18, digits, regional);
    default:
        return {};
    }
}

} // namespace quillara
