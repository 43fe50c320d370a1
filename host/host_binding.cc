// Finds the game that the process which loaded the plugin offers, under one well-known name.
#include "host/host_table.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace vesk {

namespace {
const VeskHostTable* findHostTable() {
#ifdef _WIN32
  HMODULE process = GetModuleHandleA(nullptr);
  if (process == nullptr) return nullptr;
  return reinterpret_cast<const VeskHostTable*>(GetProcAddress(process, kHostTableSymbol));
#else
  return static_cast<const VeskHostTable*>(dlsym(RTLD_DEFAULT, kHostTableSymbol));
#endif
}
}  // namespace

bool bindToHostProcess() noexcept {
  const VeskHostTable* table = findHostTable();
  if (table == nullptr || table->structSize < sizeof(VeskHostTable)) return false;
  static TableGame game(*table);
  setHostGame(&game);
#ifndef _WIN32
  // On Windows every box is a real MessageBoxA; elsewhere the host shows them.
  if (table->showBox) setPresenter(table->showBox, table->context);
#endif
  return true;
}

}  // namespace vesk
