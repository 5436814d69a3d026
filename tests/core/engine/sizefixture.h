// A hand-made size record for the engine tests.
#pragma once

#include "catalogue/sizerecord.h"

#include <string>

namespace velor::enginetest {

// A plate-like size with different tube and shell geometry, so a swapped side shows.
inline TSizeRecord makeRecord(std::string name = "X-20")
{
    TSizeRecord r;
    r.Id = 1;
    r.Name = std::move(name);
    r.value(SizeValue::Aux1) = 20;
    r.value(SizeValue::Aux2) = 0.3L;
    r.value(SizeValue::Aux3) = 1;
    r.value(SizeValue::Aux4) = 1;
    r.value(SizeValue::DhTube) = 0.004L;
    r.value(SizeValue::DhShell) = 0.006L;
    r.value(SizeValue::Wall) = 0.0004L;
    r.value(SizeValue::FlowAreaTube) = 0.002L;
    r.value(SizeValue::FlowAreaShell) = 0.003L;
    r.value(SizeValue::ConnAreaTube) = 0.0005L;
    r.value(SizeValue::ConnAreaShell) = 0.0008L;
    const long double reDp[] = {200, 5000, 10000};
    const long double dpK[] = {198, 11.7L, 3.56L, 3.61L};
    const long double dpExp[] = {0.79L, 0.25L, 0.078L, 0.08L};
    for (int k = 0; k < 4; ++k) {
        if (k < 3) {
            r.value(static_cast<SizeValue>(static_cast<int>(SizeValue::ReDpTube1) + 2 * k)) = reDp[k];
            r.value(static_cast<SizeValue>(static_cast<int>(SizeValue::ReDpShell1) + 2 * k)) = reDp[k] * 2;
        }
        r.value(static_cast<SizeValue>(static_cast<int>(SizeValue::DpKTube1) + 2 * k)) = dpK[k];
        r.value(static_cast<SizeValue>(static_cast<int>(SizeValue::DpKShell1) + 2 * k)) = dpK[k] * 1.5L;
        r.value(static_cast<SizeValue>(static_cast<int>(SizeValue::DpExpTube1) + 2 * k)) = dpExp[k];
        r.value(static_cast<SizeValue>(static_cast<int>(SizeValue::DpExpShell1) + 2 * k)) = dpExp[k];
    }
    r.value(SizeValue::DpFactorTube) = 0.05L;
    r.value(SizeValue::DpFactorShell) = 0.04L;
    r.value(SizeValue::ZetaTube) = 0.0015L;
    r.value(SizeValue::ZetaShell) = 0.003L;
    r.value(SizeValue::DpArea) = 0.002L;
    const long double ht[5][4] = {{0.40L, 1.0L / 3, 0.97L, 1.0L / 6},
                                  {0.50L, 1.0L / 3, 0.66L, 1.0L / 6},
                                  {0.63L, 1.0L / 3, 0.33L, 1.0L / 6},
                                  {0.73L, 1.0L / 3, 0.17L, 1.0L / 6},
                                  {0.72L, 1.0L / 3, 0.19L, 1.0L / 6}};
    for (int range = 1; range <= 5; ++range)
        for (Side side : {Side::Tube, Side::Shell})
            for (int c = 0; c < 4; ++c)
                r.Values[heatTransferIndex(range, side, static_cast<HtCoefficient>(c))] =
                    ht[range - 1][c] * (side == Side::Shell && c == 2 ? 1.2L : 1.0L);
    const long double reHt[] = {50, 200, 1000, 5000};
    for (int k = 0; k < 4; ++k) {
        r.value(static_cast<SizeValue>(static_cast<int>(SizeValue::ReHtTube1) + k)) = reHt[k];
        r.value(static_cast<SizeValue>(static_cast<int>(SizeValue::ReHtShell1) + k)) = reHt[k];
    }
    r.value(SizeValue::AreaUnit) = 2.0L;
    return r;
}

} // namespace velor::enginetest
