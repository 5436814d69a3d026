// The program's compiled-in pictures and icons (resources/velor.qrc).
#pragma once

namespace velor {

/// Registers the icons and pictures; safe to call more than once.
void initResources();

} // namespace velor
