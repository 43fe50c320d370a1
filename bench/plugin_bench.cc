// What the plugin adds to every event command, each case beside its physical limit, and what
// composing each report costs.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "bench/limits.h"
#include "host/host_game.h"
#include "host/record_builder.h"
#include "host/stand_in_game.h"
#include "shell/debugger_state.h"
#include "shell/exports.h"
#include "shell/report.h"

// Counts the bytes the process has live, as the allocator hands them out (its rounding included),
// for the memory a watched item costs.
static std::atomic<int64_t> gLiveBytes{0};
void* operator new(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (!p) throw std::bad_alloc();
  gLiveBytes += static_cast<int64_t>(malloc_usable_size(p));
  return p;
}
void operator delete(void* p) noexcept {
  if (p) gLiveBytes -= static_cast<int64_t>(malloc_usable_size(p));
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace vesk {
namespace {


// The engine calls through a pointer it looked up; so do the benchmarks, for plugin and limit alike.
OnEventCommandFunction volatile gOnEventCommand = onEventCommand;
OnEventCommandFunction volatile gLimit = limitEmptyEventCommand;

void discardBox(void*, const char*, const char* text, uint32_t) { benchmark::DoNotOptimize(text); }

void sendComment(const char* name, std::vector<CommentArgument> arguments = {}) {
  CommentRecord record = makeCommentRecord(name, arguments);
  onComment(name, &record, nullptr, nullptr, 1, 1, 0, nullptr);
}
void addSwitchWatchForBench(int32_t id) { sendComment("add_switch_watch", {{"", static_cast<double>(id)}}); }
void addVariableWatchForBench(int32_t id) { sendComment("add_variable_watch", {{"", static_cast<double>(id)}}); }

struct Setup {
  explicit Setup(bool debugging = false) {
    debuggerState() = DebuggerState{};
    debuggerState().scriptDebuggingActive = debugging;
    setHostGame(&game);
    setPresenter(discardBox, nullptr);
  }
  ~Setup() {
    debuggerState() = DebuggerState{};
    setHostGame(nullptr);
    setPresenter(nullptr, nullptr);
  }
  StandInGame game;
};

// 1 and 3: nothing to watch; debugging off, or on for a command that is not traced.
void BM_Idle(benchmark::State& state) {
  Setup setup(state.range(0) != 0);
  EventCommand line(11410, {0});
  int32_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(gOnEventCommand(&line.record(), nullptr, 5, 1, 3, &next));
}
BENCHMARK(BM_Idle)->Arg(0)->Arg(1)->ArgName("debugging");

void BM_IdleLimit(benchmark::State& state) {
  EventCommand line(11410, {0});
  int32_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(gLimit(&line.record(), nullptr, 5, 1, 3, &next));
}
BENCHMARK(BM_IdleLimit);

// 2: N watched items, none changed, against a plain loop over the same host reads.
template <bool kSwitches>
void BM_Watched(benchmark::State& state) {
  Setup setup;
  const auto n = static_cast<int32_t>(state.range(0));
  for (int32_t id = 1; id <= n; ++id) {
    if (kSwitches) {
      setup.game.switches.write(id, id % 2 == 0);
      addSwitchWatchForBench(id);
    } else {
      setup.game.variables.write(id, id * 3);
      addVariableWatchForBench(id);
    }
  }
  EventCommand line(11410, {0});
  int32_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(gOnEventCommand(&line.record(), nullptr, 5, 1, 3, &next));
  state.SetItemsProcessed(state.iterations() * n);
}

template <bool kSwitches>
void BM_WatchedLimit(benchmark::State& state) {
  Setup setup;
  StandInGame& game = setup.game;
  HostGame& host = hostGame();  // the reads the plugin makes: through the game interface it was given
  const auto n = static_cast<int32_t>(state.range(0));
  std::vector<int32_t> ids(static_cast<size_t>(n));
  std::vector<int32_t> last(static_cast<size_t>(n));
  for (int32_t id = 1; id <= n; ++id) {
    ids[static_cast<size_t>(id - 1)] = id;
    if (kSwitches) {
      game.switches.write(id, id % 2 == 0);
      last[static_cast<size_t>(id - 1)] = host.switchState(id);
    } else {
      game.variables.write(id, id * 3);
      last[static_cast<size_t>(id - 1)] = host.variableValue(id);
    }
  }
  for (auto _ : state) {
    bool changed = false;
    for (size_t i = 0; i < ids.size(); ++i) {
      int32_t now = kSwitches ? int32_t{host.switchState(ids[i])} : host.variableValue(ids[i]);
      changed |= now != last[i];
    }
    benchmark::DoNotOptimize(changed);
  }
  state.SetItemsProcessed(state.iterations() * n);
}

BENCHMARK_TEMPLATE(BM_Watched, false)->RangeMultiplier(10)->Range(1, 10000)->ArgName("variables");
BENCHMARK_TEMPLATE(BM_WatchedLimit, false)->RangeMultiplier(10)->Range(1, 10000)->ArgName("variables");
BENCHMARK_TEMPLATE(BM_Watched, true)->RangeMultiplier(10)->Range(1, 10000)->ArgName("switches");
BENCHMARK_TEMPLATE(BM_WatchedLimit, true)->RangeMultiplier(10)->Range(1, 10000)->ArgName("switches");

// 4: composing and showing each report kind, with a presenter that discards the box.
void BM_TraceReport(benchmark::State& state) {
  Setup setup(true);
  setup.game.mapEvents[5] = "Door";
  setup.game.items[3] = "Potion";
  setup.game.heroes[1] = "Alex";
  for (int32_t id = 1; id <= 20; ++id) setup.game.variables.write(id, id);
  const auto kind = static_cast<int32_t>(state.range(0));
  EventCommand line(10220, {0, 12, 0, 1, kind, 3, 1});
  int32_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(gOnEventCommand(&line.record(), nullptr, 5, 2, 13, &next));
}
BENCHMARK(BM_TraceReport)->DenseRange(0, 7)->ArgName("operand_kind");

void BM_SwitchTraceReport(benchmark::State& state) {
  Setup setup(true);
  EventCommand line(10210, {0, 12, 0, 0});
  int32_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(gOnEventCommand(&line.record(), nullptr, -3, 0, 0, &next));
}
BENCHMARK(BM_SwitchTraceReport);

void BM_WatchReportTenChanges(benchmark::State& state) {
  Setup setup;
  for (int32_t id = 1; id <= 10; ++id) addVariableWatchForBench(id);
  EventCommand line(11410, {0});
  int32_t next = 0, value = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ++value;
    for (int32_t id = 1; id <= 10; ++id) setup.game.variables.write(id, value);
    state.ResumeTiming();
    benchmark::DoNotOptimize(gOnEventCommand(&line.record(), nullptr, 5, 2, 13, &next));
  }
}
BENCHMARK(BM_WatchReportTenChanges);

void BM_FailedAssertion(benchmark::State& state) {
  Setup setup;
  CommentRecord record = makeCommentRecord("assert_variable", {{"", 1}, {"", 5}, {"the counter should be 5", 0}});
  for (auto _ : state) benchmark::DoNotOptimize(onComment("", &record, nullptr, nullptr, 1, 1, 0, nullptr));
}
BENCHMARK(BM_FailedAssertion);

// The memory a watched item costs: live bytes per entry once N are watched (fixed overhead is 0:
// an empty list holds no allocation).
void BM_WatchMemory(benchmark::State& state) {
  const auto n = static_cast<int32_t>(state.range(0));
  double perEntry = 0;
  for (auto _ : state) {
    Setup setup;
    for (int32_t id = 1; id <= n; ++id) setup.game.variables.write(id, id);  // the game's own memory first
    const int64_t before = gLiveBytes.load();
    for (int32_t id = 1; id <= n; ++id) addVariableWatchForBench(id);
    perEntry = static_cast<double>(gLiveBytes.load() - before) / n;
  }
  state.counters["bytes_per_entry"] = perEntry;
}
BENCHMARK(BM_WatchMemory)->Arg(1000)->Arg(10000)->Arg(100000)->Iterations(1);

}  // namespace
}  // namespace vesk

BENCHMARK_MAIN();
