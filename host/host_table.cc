// Both sides of the host table: reading a host's game through it, and filling it for a game.
#include "host/host_table.h"

namespace vesk {

namespace {
std::string_view nameThrough(const char* (*read)(void*, int32_t, size_t*), void* context, int32_t id) {
  if (read == nullptr) return {};
  size_t length = 0;
  const char* bytes = read(context, id, &length);
  return bytes ? std::string_view(bytes, length) : std::string_view();
}
}  // namespace

bool TableGame::switchState(int32_t id) {
  return table_.switchState && table_.switchState(table_.context, id) != 0;
}

int32_t TableGame::variableValue(int32_t id) {
  return table_.variableValue ? table_.variableValue(table_.context, id) : 0;
}

std::string_view TableGame::mapEventName(int32_t id) {
  return nameThrough(table_.mapEventName, table_.context, id);
}

std::string_view TableGame::itemName(int32_t id) { return nameThrough(table_.itemName, table_.context, id); }

std::string_view TableGame::heroName(int32_t id) { return nameThrough(table_.heroName, table_.context, id); }

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
