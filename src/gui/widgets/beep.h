// The system beep of refused keys and steps, with a hook that lets tests count beeps.
#pragma once

#include <functional>

namespace velor {

/// Sounds the system beep (or calls the test hook when one is set).
void systemBeep();
/// Replaces the beep by `hook` (an empty function restores the system beep).
void setBeepHookForTesting(std::function<void()> hook);

} // namespace velor
