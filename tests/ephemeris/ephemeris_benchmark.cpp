// Cost of one moon state update: the first update of a local date, and the steady state of
// updates 128 ms apart through a local day. Each in three modes: plain evaluation, with
// the series memo, and with the memo and the date cache.
#include <benchmark/benchmark.h>

#include <cmath>

#include "ephemeris/ephemeris_engine.h"
#include "ephemeris/moon_state.h"
#include "ephemeris/nutation.h"
#include "ephemeris/time_scale.h"

namespace {

enum Mode { Plain = 0, Memo = 1, MemoAndCache = 2 };

void SetMode(int mode) {
  SetSeriesMemo(mode != Plain);
  SetDateCache(mode == MemoAndCache);
}

DateTimeRecord UtcOf(double unixSeconds) {
  const double whole = std::floor(unixSeconds);
  DateTimeRecord r = UtcRecordFromUnixSeconds(static_cast<long long>(whole));
  r.second += unixSeconds - whole;
  return r;
}

const double kStart = 1129118400.0;  // 2005-10-12 12:00:00 UT
const double kZone = 4;

void FirstUpdateOfDate(benchmark::State& state) {
  SetMode(static_cast<int>(state.range(0)));
  ObserverPlace.latitude = 55.75;
  ObserverPlace.longitude = 37.62;
  double t = kStart;
  for (auto _ : state) {
    t += 86400;  // a new local date every time
    benchmark::DoNotOptimize(UpdateMoonStateAt(UtcOf(t), kZone));
  }
  SetMode(MemoAndCache);
}

void SteadyState(benchmark::State& state) {
  SetMode(static_cast<int>(state.range(0)));
  ObserverPlace.latitude = 55.75;
  ObserverPlace.longitude = 37.62;
  // From local midnight (20:00 UT at +4 h) through the local day, then round again.
  const double midnight = kStart + 8 * 3600;
  double t = midnight;
  for (auto _ : state) {
    t += 0.128;
    if (t >= midnight + 86400) t = midnight;
    benchmark::DoNotOptimize(UpdateMoonStateAt(UtcOf(t), kZone));
  }
  SetMode(MemoAndCache);
}

BENCHMARK(FirstUpdateOfDate)->ArgName("mode")->Arg(Plain)->Arg(Memo)->Arg(MemoAndCache)->Unit(benchmark::kMicrosecond);
BENCHMARK(SteadyState)->ArgName("mode")->Arg(Plain)->Arg(Memo)->Arg(MemoAndCache)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
