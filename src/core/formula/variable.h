#pragma once

#include "core/numeric/extended.h"
#include "core/numeric/real48.h"
#include "core/platform/regional_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillara {

enum TVariableKind : std::int16_t { vkPercent = 0, vkCurrency = 1, vkNumber = 2, vkChoice = 3 };

// A word-problem figure: how it is drawn and shown. The figures drawn are not kept here but in
// the attempt that drew them (TVariableValues), so a book's variables never change once read.
class TVarible {
public:
    TVarible(std::string name, std::int16_t kind, TReal48 min, TReal48 max, std::int16_t decimals,
             std::optional<std::vector<std::string>> choices);

    // A new figure from the variable's range; for a choice, the entry number.
    Extended DrawValue() const;
    // A figure as the question shows it.
    std::string DisplayText(Extended value, const TRegionalSettings& regional) const;

    std::string Name;
    std::int16_t Kind = 0;
    TReal48 Min;
    TReal48 Max;
    std::int16_t Decimals = 0;
    std::optional<std::vector<std::string>> Choices;
    // The stored layout it came from: 0 unmarked, 1 "VAR" version 1, else an unknown marked one.
    std::uint8_t RecordVersion = 1;
    // The stored bounds' texts needed a separator other than the point to read as numbers.
    bool BoundsWithoutPoint = false;
};

} // namespace quillara
