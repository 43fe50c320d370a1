// Out-of-memory injection: the n-th allocation fails, for n = 1, 2, ... until a whole scenario
// runs clean. At every n the callbacks keep their results, every box shown is whole, and the
// plugin's state stays sound and usable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>

#include "host/record_builder.h"
#include "host/stand_in_game.h"
#include "shell/debugger_state.h"
#include "shell/exports.h"
#include "shell/report.h"

namespace {
long gAllocations = 0;
long gFailAt = 0;  // 0: never fail
bool gInjecting = false;
}  // namespace

void* operator new(std::size_t size) {
  if (gInjecting && ++gAllocations == gFailAt) throw std::bad_alloc();
  void* p = std::malloc(size == 0 ? 1 : size);
  if (!p) throw std::bad_alloc();
  return p;
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace vesk {
namespace {

// The host's work (its game, its box presenter) is not the plugin's: no failures injected there.
struct HostSide {
  HostSide() : was(gInjecting) { gInjecting = false; }
  ~HostSide() { gInjecting = was; }
  bool was;
};

struct Box {
  std::string caption, text;
  bool operator==(const Box& o) const { return caption == o.caption && text == o.text; }
};

void record(void* context, const char* caption, const char* text, uint32_t) {
  HostSide host;
  static_cast<std::vector<Box>*>(context)->push_back(Box{caption, text});
}

bool comment(const CommentRecord& record) { return onComment("", &record, nullptr, nullptr, 1, 1, 0, nullptr); }

template <typename List>
bool sortedAndUnique(const List& list) {
  const auto& e = list.entries();
  return std::adjacent_find(e.begin(), e.end(), [](const auto& a, const auto& b) { return a.id >= b.id; }) == e.end();
}

TEST(OutOfMemory, EveryFailingAllocationLeavesTheCallbacksAndTheStateSound) {
  const CommentRecord watchSwitch1 = makeCommentRecord("add_switch_watch", {{"1", 1}});
  const CommentRecord watchVariable2 = makeCommentRecord("add_variable_watch", {{"2", 2}});
  const CommentRecord watchVariable1 = makeCommentRecord("add_variable_watch", {{"1", 1}});
  const CommentRecord activate = makeCommentRecord("activate_script_debugging");
  const CommentRecord deactivate = makeCommentRecord("deactivate_script_debugging");
  const CommentRecord assertion = makeCommentRecord("assert_variable", {{"1", 1}, {"5", 5}, {"variable 1 should be 5", 0}});
  const EventCommand line(10220, {0, 1, 0, 1, 1, 2});

  for (long failAt = 1;; ++failAt) {
    SCOPED_TRACE("allocation " + std::to_string(failAt) + " fails");
    StandInGame game;
    game.mapEvents[5] = "Door";
    std::vector<Box> boxes;
    debuggerState() = DebuggerState{};
    setHostGame(&game);
    setPresenter(record, &boxes);

    gAllocations = 0;
    gFailAt = failAt;
    gInjecting = true;
    const bool results[] = {comment(watchSwitch1), comment(watchVariable2), comment(watchVariable1), comment(activate),
                            comment(assertion)};
    {
      HostSide host;
      game.switches.write(1, 1);
      game.variables.write(1, 3);
      game.variables.write(2, 4);
    }
    const bool commandResult = onEventCommand(&line.record(), nullptr, 5, 2, 7, nullptr);
    gInjecting = false;
    for (bool result : results) EXPECT_FALSE(result);
    EXPECT_TRUE(commandResult);
    const bool ranClean = gAllocations < failAt;

    // No entry half-inserted: each list sorted, unique, and only IDs that were added.
    const DebuggerState& state = debuggerState();
    EXPECT_TRUE(sortedAndUnique(state.switches));
    EXPECT_TRUE(sortedAndUnique(state.variables));
    for (const auto& e : state.variables.entries()) EXPECT_TRUE(e.id == 1 || e.id == 2);
    EXPECT_LE(state.switches.entries().size(), 1u);

    // A report may be dropped, but one that is shown is whole: the boxes are, in order, a subset
    // of the complete ones for the entries that made it into the lists.
    const std::string at = "EventID: 5\nEventPage: 2\nEventLine: 7\n\n";
    std::string variableLines;
    for (const auto& e : state.variables.entries()) {
      variableLines += e.id == 1 ? "Variable[1] changed from 0 to 3\n" : "Variable[2] changed from 0 to 4\n";
    }
    std::vector<Box> complete = {{"Variable Assertion Failure", "variable 1 should be 5"}};
    if (!state.switches.empty()) complete.push_back({"Switch Watchlist Update", at + "Switch[1] changed from 0 to 1\n"});
    if (!state.variables.empty()) complete.push_back({"Variable Watchlist Update", at + variableLines});
    complete.push_back({"Vesk EventScript Debugger",
                        "EventID: 5\nEventName: Door\nEventPage: 2\nEventLine: 8\n\nCommand: Variable Operations\n"
                        "Operation: Variable[1] + Variable[2]\n\nVariable[1] + Variable[2]\n3 + 4 = 7"});
    size_t next = 0;
    for (const Box& box : boxes) {
      while (next < complete.size() && !(complete[next] == box)) ++next;
      EXPECT_LT(next, complete.size()) << "partial or out-of-order box: " << box.caption << "\n" << box.text;
    }
    if (ranClean) {
      EXPECT_EQ(boxes, complete);
    }

    // Still usable: with memory back, a new change of every watched variable is reported.
    {
      HostSide host;
      game.variables.write(1, 100);
      game.variables.write(2, 200);
    }
    boxes.clear();
    comment(deactivate);
    EXPECT_TRUE(onEventCommand(&line.record(), nullptr, 5, 2, 9, nullptr));
    if (!state.variables.empty()) {
      ASSERT_FALSE(boxes.empty());
      const Box& last = boxes.back();
      EXPECT_EQ(last.caption, "Variable Watchlist Update");
      EXPECT_EQ(std::count(last.text.begin(), last.text.end(), '\n') - 4,
                static_cast<long>(state.variables.entries().size()));
    }

    setPresenter(nullptr, nullptr);
    setHostGame(nullptr);
    debuggerState() = DebuggerState{};
    if (ranClean) {
      EXPECT_GT(failAt, 3);  // the scenario did allocate, so failures were injected before
      break;
    }
    ASSERT_LT(failAt, 10000) << "the scenario never ran clean";
  }
}

}  // namespace
}  // namespace vesk
