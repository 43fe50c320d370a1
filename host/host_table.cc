// The plugin's side of the host table: reading a host's game through it.
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
  return table_.switchState != nullptr && table_.switchState(table_.context, id) != 0;
}

int32_t TableGame::variableValue(int32_t id) {
  return table_.variableValue ? table_.variableValue(table_.context, id) : 0;
}

std::string_view TableGame::mapEventName(int32_t id) {
  return nameThrough(table_.mapEventName, table_.context, id);
}

std::string_view TableGame::itemName(int32_t id) { return nameThrough(table_.itemName, table_.context, id); }

std::string_view TableGame::heroName(int32_t id) { return nameThrough(table_.heroName, table_.context, id); }

}  // namespace vesk
