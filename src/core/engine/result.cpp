// The result record of one fitting size.
#include "engine/result.h"

#include <cmath>

namespace velor {

bool allFinite(const TResultTypeB& r)
{
    for (const ResultRealField& f : kResultRealFields)
        if (!std::isfinite(r.*f.member))
            return false;
    return true;
}

} // namespace velor
