// A Windows test host: loads VeskDebug.dll as the engine does, offers its game through the host
// table, plays scenarios, and checks every real message box that appears, pressing OK on each.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/host_table.h"
#include "host/record_builder.h"
#include "host/stand_in_game.h"
#include "shell/exports.h"

extern "C" __declspec(dllexport) VeskHostTable veskHostTable;
VeskHostTable veskHostTable{};

namespace {

struct SeenBox {
  std::string caption, text, icon;
};

std::vector<SeenBox> gSeen;
CRITICAL_SECTION gLock;
std::string gMarker;  // written when the first box is open; the screenshot is taken then
std::string gGo;      // appears when the screenshot has been taken

std::string windowText(HWND window) {
  char buffer[4096];
  int length = GetWindowTextA(window, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

// The icon the dialog shows: the image of its icon control (found by style, not by ID, which
// differs between implementations), compared with the system's own icons.
BOOL CALLBACK findIconControl(HWND child, LPARAM found) {
  char className[64];
  if (GetClassNameA(child, className, sizeof className) && lstrcmpiA(className, "Static") == 0 &&
      (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
  }
  return TRUE;
}

std::string iconOf(HWND dialog) {
  HWND iconControl = nullptr;
  EnumChildWindows(dialog, findIconControl, reinterpret_cast<LPARAM>(&iconControl));
  if (iconControl == nullptr) return "none";
  HICON shown = reinterpret_cast<HICON>(SendMessageA(iconControl, STM_GETICON, 0, 0));
  if (shown == LoadIcon(nullptr, IDI_ERROR)) return "error";
  if (shown == LoadIcon(nullptr, IDI_INFORMATION)) return "information";
  return "other";
}

BOOL CALLBACK findDialog(HWND window, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[64];
  if (process == GetCurrentProcessId() && IsWindowVisible(window) && GetClassNameA(window, className, sizeof className) &&
      std::string(className) == "#32770") {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// The helper thread: finds each dialog as it opens, reads it, and presses OK.
DWORD WINAPI pressOk(void*) {
  bool first = true;
  for (;;) {
    HWND dialog = nullptr;
    EnumWindows(findDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) {
      Sleep(20);
      continue;
    }
    Sleep(100);  // let it paint
    SeenBox box{windowText(dialog), windowText(GetDlgItem(dialog, 0xFFFF)), iconOf(dialog)};
    if (first && !gMarker.empty()) {
      first = false;
      if (FILE* marker = std::fopen(gMarker.c_str(), "w")) std::fclose(marker);
      for (int waited = 0; waited < 300 && GetFileAttributesA(gGo.c_str()) == INVALID_FILE_ATTRIBUTES; ++waited) Sleep(100);
    }
    EnterCriticalSection(&gLock);
    gSeen.push_back(box);
    LeaveCriticalSection(&gLock);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    while (IsWindow(dialog)) Sleep(10);
  }
}

struct Expected {
  const char* caption;
  const char* icon;
  const char* text;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: wine_host PLUGIN.dll [SCREENSHOT-MARKER GO-FILE]\n");
    return 2;
  }
  if (argc >= 4) {
    gMarker = argv[2];
    gGo = argv[3];
  }
  InitializeCriticalSection(&gLock);

  vesk::StandInGame game;
  game.mapEvents[5] = "Door";
  vesk::HostTableContext context{&game, nullptr, nullptr};
  vesk::fillHostTable(veskHostTable, context);  // before loading: the plugin looks for it at load

  HMODULE plugin = LoadLibraryA(argv[1]);
  if (plugin == nullptr) {
    std::fprintf(stderr, "LoadLibraryA(%s) failed: %lu\n", argv[1], GetLastError());
    return 2;
  }
  auto* pluginLinkVersion = reinterpret_cast<const int32_t*>(GetProcAddress(plugin, "linkVersion"));
  auto pluginOnComment = reinterpret_cast<vesk::OnCommentFunction>(reinterpret_cast<void*>(GetProcAddress(plugin, "onComment")));
  auto pluginOnEventCommand = reinterpret_cast<vesk::OnEventCommandFunction>(reinterpret_cast<void*>(GetProcAddress(plugin, "onEventCommand")));
  if (!pluginLinkVersion || !pluginOnComment || !pluginOnEventCommand || *pluginLinkVersion != 2) {
    std::fprintf(stderr, "the DLL lacks an export or has the wrong linkVersion\n");
    return 2;
  }
  CreateThread(nullptr, 0, pressOk, nullptr, 0, nullptr);

  auto comment = [&](const char* name, std::vector<vesk::CommentArgument> arguments) {
    vesk::CommentRecord record = vesk::makeCommentRecord(name, arguments);
    return pluginOnComment(name, &record, nullptr, nullptr, 5, 2, 0, nullptr);
  };
  auto command = [&](int32_t code, std::vector<int32_t> parameters, int32_t lineId) {
    vesk::EventCommand line(code, std::move(parameters));
    return pluginOnEventCommand(&line.record(), nullptr, 5, 2, lineId, nullptr);
  };

  bool results = true;
  game.switches.write(3, 1);
  game.variables.write(12, 7);
  results &= !comment("assert_switch", {{"3", 3}, {"OFF", 0}, {"switch 3 should be off", 0}});
  results &= !comment("assert_variable", {{"12", 12}, {"8", 8}, {"variable 12 should be 8", 0}});
  results &= !comment("add_switch_watch", {{"3", 3}});
  results &= !comment("add_variable_watch", {{"12", 12}});
  game.switches.write(3, 0);
  game.variables.write(12, -4);
  results &= command(11410, {0}, 13);
  results &= !comment("activate_script_debugging", {});
  results &= command(10210, {0, 12, 0, 0}, 13);
  results &= command(10220, {0, 12, 0, 1, 0, 5}, 14);

  const Expected expected[] = {
      {"Switch Assertion Failure", "error", "switch 3 should be off"},
      {"Variable Assertion Failure", "error", "variable 12 should be 8"},
      {"Switch Watchlist Update", "information", "EventID: 5\nEventPage: 2\nEventLine: 13\n\nSwitch[3] changed from 1 to 0\n"},
      {"Variable Watchlist Update", "information",
       "EventID: 5\nEventPage: 2\nEventLine: 13\n\nVariable[12] changed from 7 to -4\n"},
      {"Vesk EventScript Debugger", "information",
       "EventID: 5\nEventName: Door\nEventPage: 2\nEventLine: 14\n\nCommand: Switch Operations\n"
       "Operation: Set Switch[12] ON \n\nSwitch[12] before operation = OFF"},
      {"Vesk EventScript Debugger", "information",
       "EventID: 5\nEventName: Door\nEventPage: 2\nEventLine: 15\n\nCommand: Variable Operations\n"
       "Operation: Variable[12] + 5\n\nVariable[12] + 5\n-4 + 5 = 1"},
  };

  EnterCriticalSection(&gLock);
  const std::vector<SeenBox> seen = gSeen;
  LeaveCriticalSection(&gLock);
  int passed = 0, failures = 0;
  if (results) {
    ++passed;
  } else {
    ++failures;
    std::printf("a callback returned the wrong result\n");
  }
  const size_t count = sizeof expected / sizeof expected[0];
  for (size_t i = 0; i < count || i < seen.size(); ++i) {
    if (i >= seen.size()) {
      std::printf("box %zu missing: expected \"%s\"\n", i + 1, expected[i].caption);
      ++failures;
      continue;
    }
    if (i >= count) {
      std::printf("box %zu unexpected: \"%s\"\n", i + 1, seen[i].caption.c_str());
      ++failures;
      continue;
    }
    const SeenBox& s = seen[i];
    const Expected& e = expected[i];
    // A static control may hand its text back with CR LF line ends; the plugin wrote LF only.
    std::string text;
    for (size_t k = 0; k < s.text.size(); ++k) {
      if (!(s.text[k] == '\r' && k + 1 < s.text.size() && s.text[k + 1] == '\n')) text += s.text[k];
    }
    if (s.caption != e.caption || s.icon != e.icon || text != e.text) {
      std::printf("box %zu differs:\n  expected caption \"%s\", icon %s, text:\n%s\n  got caption \"%s\", icon %s, text:\n%s\n",
                  i + 1, e.caption, e.icon, e.text, s.caption.c_str(), s.icon.c_str(), text.c_str());
      ++failures;
    } else {
      std::printf("box %zu ok: %s (%s)\n", i + 1, e.caption, e.icon);
      ++passed;
    }
  }
  std::printf("%d passed, %d failed\n", passed, failures);
  std::fflush(stdout);
  ExitProcess(failures == 0 ? 0 : 1);
}
