// The simulated engine's main loop.
#include "tools/vesk-sim/runner.h"

#include <type_traits>

#include "host/record_builder.h"
#include "tools/vesk-sim/engine.h"

namespace vesk::sim {

void Runner::showBox(const char* caption, const char* text, uint32_t style) {
  ++result_.boxes;
  if (style == kErrorStyle) ++result_.failedAssertions;
  output_.box(currentLine_, caption, text, style);
  if (afterBox_) afterBox_();
}

RunResult Runner::run(const std::string& checkedScript) {
  Engine engine(game_, seed_);
  int32_t eventId = 0, pageId = 0, lineId = 0;
  const auto error = forEachDirective(checkedScript, [&](Directive& directive) {
    currentLine_ = directive.lineNumber;
    std::visit(
        [&](auto& what) {
          using T = std::decay_t<decltype(what)>;
          if constexpr (std::is_same_v<T, SetSwitch>) {
            game_.switches.write(what.id, what.on ? 1 : 0);
          } else if constexpr (std::is_same_v<T, SetVariable>) {
            game_.variables.write(what.id, what.value);
          } else if constexpr (std::is_same_v<T, SetName>) {
            auto& names = what.kind == NameKind::kMapEvent ? game_.mapEvents
                          : what.kind == NameKind::kItem   ? game_.items
                                                           : game_.heroes;
            names[what.id] = what.name;
          } else if constexpr (std::is_same_v<T, EnterEvent>) {
            eventId = what.eventId;
            pageId = what.pageId;
            lineId = 0;
          } else if constexpr (std::is_same_v<T, Comment>) {
            CommentRecord record = makeCommentRecord(what.name, what.arguments);
            int32_t next = lineId + 1;
            bool result = plugin_.onComment(what.text.c_str(), &record, nullptr, nullptr, eventId, pageId, lineId, &next);
            output_.comment(directive.lineNumber, what.name, result);
            ++lineId;
          } else if constexpr (std::is_same_v<T, Command>) {
            EventCommand line(what.code, std::move(what.parameters));
            int32_t next = lineId + 1;
            plugin_.onEventCommand(&line.record(), nullptr, eventId, pageId, lineId, &next);
            engine.execute(what.code, line.parameters());
            ++lineId;
          }
        },
        directive.what);
  });
  result_.complete = !error;
  output_.summary(result_.boxes, result_.failedAssertions);
  return result_;
}

}  // namespace vesk::sim
