// One watchlist: switch or variable IDs with the value each had when last seen, in ascending
// signed ID order, one entry per ID.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vesk {

// A flat sorted array rather than a node per entry: the scan before every event command walks
// it front to back, and each entry costs 8 bytes.
template <typename Value>
class Watchlist {
 public:
  struct Entry {
    int32_t id;
    Value lastSeen;
  };

  // Stores `value` as the last seen value of `id`: a new entry, or the existing one refreshed.
  // On std::bad_alloc the list is left exactly as it was.
  void watch(int32_t id, Value value) {
    auto at = std::lower_bound(entries_.begin(), entries_.end(), id,
                               [](const Entry& entry, int32_t key) { return entry.id < key; });
    if (at != entries_.end() && at->id == id) {
      at->lastSeen = value;
    } else {
      entries_.insert(at, Entry{id, value});
    }
  }

  // Removes every entry and gives its memory back.
  void clear() { std::vector<Entry>().swap(entries_); }

  bool empty() const { return entries_.empty(); }
  const std::vector<Entry>& entries() const { return entries_; }
  std::vector<Entry>& entries() { return entries_; }

 private:
  std::vector<Entry> entries_;
};

using SwitchWatchlist = Watchlist<bool>;
using VariableWatchlist = Watchlist<int32_t>;

}  // namespace vesk
