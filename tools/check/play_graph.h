#ifndef QUILLMORE_TOOLS_CHECK_PLAY_GRAPH_H_
#define QUILLMORE_TOOLS_CHECK_PLAY_GRAPH_H_

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "tools/check/explorer.h"

namespace quillmore {

// The states of play a search reached, and the commands that lead from one to another or end
// the game won. Nodes are numbered in the order they were reached, so nearer ones come first;
// the start is node 0.
struct play_graph {
  // Where a command that wins the game leads, with or without every pub drink carried.
  static constexpr int kWon = -1;
  static constexpr int kWonWithDrinks = -2;

  struct node {
    int parent;         // the node it was first reached from; -1 for the start
    int action;         // the command that first reached it
    int depth;          // commands from the start
    int room;           // where the player stands
    int firstEdge = 0;  // its commands are edges [firstEdge, endEdge)
    int endEdge = 0;
  };
  struct edge {
    int from;
    int to;  // a node, or kWon or kWonWithDrinks
    int action;
    unsigned drinks = 0;  // for a win: the pub drinks carried, one bit each
  };

  std::vector<node> nodes;
  std::vector<edge> edges;
  std::vector<typed_command> actions;

  // The number of a command, the same for the same lines.
  int ActionId(const typed_command& command);
  // The commands that first reached a node, from the start.
  play PathTo(int at) const;
  // By node: whether a won game can be reached from it; with every pub drink, if asked.
  std::vector<bool> CanWin(bool withDrinks) const;
  // The commands that lead from a node that can win to one that cannot, each with the shortest
  // play that ends with it.
  std::vector<lost_way> Closers(const std::vector<bool>& canWin) const;
  // The shortest play that wins; with every pub drink, if asked.
  std::optional<play> ShortestWin(bool withDrinks) const;

 private:
  // Every edge asks for its command's number: a hash of the lines, joined in a string kept
  // between calls, finds it without an allocation.
  std::unordered_map<std::string, int> actionIds;
  std::string joined;
};

// A command as one line: its lines separated by " / ".
std::string OneLine(const typed_command& command);

// The ways to lose found by several closers, shortest first and then by command.
void SortWays(std::vector<lost_way>& ways);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_CHECK_PLAY_GRAPH_H_
