#pragma once

#include "core/platform/regional_settings.h"

#include <QLocale>

namespace quillara::gui {

// The user's number, money and date conventions as the core wants them.
TRegionalSettings RegionalFromLocale(const QLocale& locale);

// Money written as in the named locale ("en_US"): its currency symbol, the symbol's place and its
// separators; every other convention stays. False, changing nothing, for a name no locale has.
bool UseBookCurrency(TRegionalSettings& regional, const QString& localeName);

} // namespace quillara::gui
