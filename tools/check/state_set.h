#ifndef QUILLMORE_TOOLS_CHECK_STATE_SET_H_
#define QUILLMORE_TOOLS_CHECK_STATE_SET_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillmore {

// The states of play a search has reached, by key, numbered in the order they came. Every key
// lies in one buffer, one after another, and a table of open addressing holds the numbers: a
// state costs its key's bytes and some 20 more, where a map of strings spent a node, a string
// and an allocation on each.
class state_set {
 public:
  // The number of the state with this key; a new key takes the next number, and `added` says so.
  int Insert(std::string_view key, bool& added);
  // The key of a state, valid until the next Insert.
  std::string_view Key(int state) const;
  std::size_t Size() const { return hashes.size(); }

 private:
  static constexpr int kEmpty = -1;
  void Grow();

  std::vector<char> bytes;            // every key, in the order of the states
  std::vector<std::size_t> ends;      // by state: where its key ends in `bytes`
  std::vector<std::uint32_t> hashes;  // by state: its key's hash, to compare and regrow fast
  std::vector<int> table;             // states by hash, at most half full; kEmpty where none is
};

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_CHECK_STATE_SET_H_
