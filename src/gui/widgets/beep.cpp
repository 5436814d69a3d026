// The system beep of refused keys and steps.
#include "widgets/beep.h"

#include <QApplication>

namespace velor {

namespace {
std::function<void()>& beepHook()
{
    static std::function<void()> hook;
    return hook;
}
} // namespace

void systemBeep()
{
    if (beepHook())
        beepHook()();
    else
        QApplication::beep();
}

void setBeepHookForTesting(std::function<void()> hook)
{
    beepHook() = std::move(hook);
}

} // namespace velor
