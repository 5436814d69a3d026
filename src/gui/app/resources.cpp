// Registration of the compiled-in resources (needed because they live in a static library).
#include "app/resources.h"

#include <QtGlobal>

static void registerVelorResources()
{
    Q_INIT_RESOURCE(velor);
}

namespace velor {

void initResources()
{
    static const bool done = [] {
        registerVelorResources();
        return true;
    }();
    (void)done;
}

} // namespace velor
