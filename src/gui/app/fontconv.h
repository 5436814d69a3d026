// Fonts as the settings store keeps them, to and from Qt fonts.
#pragma once

#include "app/settings_display.h"

#include <QFont>

namespace velor {

/// A Qt font of the stored name, point size and style (the character set needs no Qt setting:
/// Qt shows every script through Unicode).
QFont toQFont(const FontSpec& spec);
/// The stored form of a Qt font; `charset` is kept as the store's character-set number.
FontSpec fromQFont(const QFont& font, int charset);

} // namespace velor
