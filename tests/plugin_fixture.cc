// The engine-playing fixture shared by the plugin's tests.
#include "tests/plugin_fixture.h"

#include <sstream>

#include "shell/debugger_state.h"
#include "shell/exports.h"
#include "shell/report.h"

namespace vesk::testing {

std::ostream& operator<<(std::ostream& out, const Box& box) {
  return out << "{caption \"" << box.caption << "\", style 0x" << std::hex << box.style << std::dec << ", text \""
             << box.text << "\"}";
}

namespace {
void recordBox(void* context, const char* caption, const char* text, uint32_t style) {
  static_cast<std::vector<Box>*>(context)->push_back(Box{caption, text, style});
}
}  // namespace

PluginTest::PluginTest() {
  debuggerState() = DebuggerState{};
  setHostGame(&game);
  setPresenter(recordBox, &boxes);
}

PluginTest::~PluginTest() {
  setPresenter(nullptr, nullptr);
  setHostGame(nullptr);
  debuggerState() = DebuggerState{};
}

bool PluginTest::comment(const std::string& name, const std::vector<CommentArgument>& arguments) {
  CommentRecord record = makeCommentRecord(name, arguments);
  return onComment(name.c_str(), &record, nullptr, nullptr, 1, 1, 0, nullptr);
}

bool PluginTest::command(int32_t code, std::vector<int32_t> parameters, int32_t eventId, int32_t pageId,
                         int32_t lineId) {
  EventCommand line(code, std::move(parameters));
  int32_t nextLine = 0;  // the engine's to fill; the plugin never reads it
  return onEventCommand(&line.record(), nullptr, eventId, pageId, lineId, &nextLine);
}

std::vector<Box> PluginTest::takeBoxes() {
  std::vector<Box> taken;
  taken.swap(boxes);
  return taken;
}

CommentArgument number(double value) {
  std::ostringstream written;
  written << value;
  return CommentArgument{written.str(), value};
}

CommentArgument text(std::string value) { return CommentArgument{std::move(value), 0.0}; }

}  // namespace vesk::testing
