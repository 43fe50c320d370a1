// The host's side of the host table: filling it so that it reads the host's own game.
#include "host/host_table.h"

namespace vesk {

namespace {
HostTableContext& contextOf(void* context) { return *static_cast<HostTableContext*>(context); }

const char* giveName(std::string_view name, size_t* length) {
  *length = name.size();
  return name.data();
}
}  // namespace

void fillHostTable(VeskHostTable& table, HostTableContext& context) {
  table.structSize = sizeof(VeskHostTable);
  table.context = &context;
  table.switchState = [](void* c, int32_t id) -> uint8_t { return contextOf(c).game->switchState(id) ? 1 : 0; };
  table.variableValue = [](void* c, int32_t id) { return contextOf(c).game->variableValue(id); };
  table.mapEventName = [](void* c, int32_t id, size_t* n) { return giveName(contextOf(c).game->mapEventName(id), n); };
  table.itemName = [](void* c, int32_t id, size_t* n) { return giveName(contextOf(c).game->itemName(id), n); };
  table.heroName = [](void* c, int32_t id, size_t* n) { return giveName(contextOf(c).game->heroName(id), n); };
  table.showBox = [](void* c, const char* caption, const char* text, uint32_t style) {
    HostTableContext& hc = contextOf(c);
    if (hc.present) hc.present(hc.presentContext, caption, text, style);
  };
}

}  // namespace vesk
