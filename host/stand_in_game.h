// A game model that stands in for the engine's memory: switch and variable lists that grow as
// the engine's do, map event names, item names and hero names.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/host_game.h"

namespace vesk {

// One list of switches or variables. Its length is kept apart from the values stored, so that
// reading or growing to ID 2147483647 is instant and allocates nothing: values that were never
// written read as 0 without being stored.
template <typename Value>
class GameList {
 public:
  // The engine's read: an ID below 1 gives 0 and changes nothing; an ID past the end grows the
  // list to exactly `id` entries first.
  Value read(int32_t id) {
    if (id < 1) return Value{};
    if (id > length_) length_ = id;
    return stored(id);
  }

  // The engine's write: an ID below 1 is ignored; past the end the list grows to `id` entries.
  // May throw std::bad_alloc, leaving the list as it was.
  void write(int32_t id, Value value);

  int32_t length() const { return length_; }

 private:
  static constexpr int32_t kDenseLimit = 1 << 16;  // IDs up to here live in a vector

  Value stored(int32_t id) const {
    if (id <= static_cast<int32_t>(dense_.size())) return dense_[static_cast<size_t>(id - 1)];
    if (sparse_.empty()) return Value{};
    auto found = sparse_.find(id);
    return found == sparse_.end() ? Value{} : found->second;
  }

  int32_t length_ = 0;
  std::vector<Value> dense_;
  std::unordered_map<int32_t, Value> sparse_;
};

class StandInGame final : public HostGame {
 public:
  bool switchState(int32_t id) override { return switches.read(id) != 0; }
  int32_t variableValue(int32_t id) override { return variables.read(id); }
  std::string_view mapEventName(int32_t id) override { return nameOf(mapEvents, id); }
  std::string_view itemName(int32_t id) override { return nameOf(items, id); }
  std::string_view heroName(int32_t id) override { return nameOf(heroes, id); }

  GameList<uint8_t> switches;
  GameList<int32_t> variables;
  std::unordered_map<int32_t, std::string> mapEvents;
  std::unordered_map<int32_t, std::string> items;
  std::unordered_map<int32_t, std::string> heroes;

 private:
  static std::string_view nameOf(const std::unordered_map<int32_t, std::string>& names, int32_t id) {
    auto found = names.find(id);
    return found == names.end() ? std::string_view() : std::string_view(found->second);
  }
};

template <typename Value>
void GameList<Value>::write(int32_t id, Value value) {
  if (id < 1) return;
  if (id <= kDenseLimit) {
    if (id > static_cast<int32_t>(dense_.size())) {
      if (value == Value{}) {  // a zero past the stored values needs no storage
        if (id > length_) length_ = id;
        return;
      }
      dense_.resize(static_cast<size_t>(id));
    }
    dense_[static_cast<size_t>(id - 1)] = value;
  } else {
    sparse_[id] = value;
  }
  if (id > length_) length_ = id;
}

}  // namespace vesk
