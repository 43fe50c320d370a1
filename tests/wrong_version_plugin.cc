// A library that looks like a plugin but is built for another interface version.
#include <cstdint>

extern "C" {
alignas(4) __attribute__((visibility("default"))) extern const int32_t linkVersion;
alignas(4) const int32_t linkVersion = 3;
__attribute__((visibility("default"))) bool onComment() { return true; }
__attribute__((visibility("default"))) bool onEventCommand() { return true; }
}
