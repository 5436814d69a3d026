// Speed of the record-field codecs that every file read goes through.
#include "base/binary.h"
#include "units/units.h"

#include <benchmark/benchmark.h>

namespace {

void BM_EncodeExtended(benchmark::State& state)
{
    long double v = 101.325L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velor::encodeExtended(v));
        v += 0.001L;
    }
}
BENCHMARK(BM_EncodeExtended);

void BM_DecodeExtended(benchmark::State& state)
{
    const auto bytes = velor::encodeExtended(-1000000.0L);
    for (auto _ : state)
        benchmark::DoNotOptimize(velor::decodeExtended(bytes.data()));
}
BENCHMARK(BM_DecodeExtended);

void BM_ConvertUnit(benchmark::State& state)
{
    long double v = 100;
    for (auto _ : state)
        benchmark::DoNotOptimize(velor::convertFromBase(velor::Quantity::Temperature, 1, v));
}
BENCHMARK(BM_ConvertUnit);

} // namespace
