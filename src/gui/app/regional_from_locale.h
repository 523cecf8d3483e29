#pragma once

#include "platform/regional_settings.h"

#include <QLocale>

namespace quillara::gui {

// The user's number, money and date conventions as the core wants them.
TRegionalSettings RegionalFromLocale(const QLocale& locale);

} // namespace quillara::gui
