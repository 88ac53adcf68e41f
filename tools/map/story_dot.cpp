#include "tools/map/story_dot.h"

#include <set>
#include <string>

#include "story/story.h"

namespace quillmore {

namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

void Edge(std::ostream& out, const std::string& from, const std::string& to,
          const std::string& label, const char* style = "solid") {
  out << "  " << Quoted(from) << " -> " << Quoted(to) << " [label=" << Quoted(label)
      << ", style=" << style << "];\n";
}

// What a step the story takes does to another person, said on the arrow.
std::string Effect(const story_step& step) {
  switch (step.what) {
    case effect::kBringIn:
      return "brings in";
    case effect::kSetGift:
      return "has news for";
    case effect::kSetQuest:
    case effect::kFinishErrand:
      break;
  }
  return "opens";
}

void Steps(std::ostream& out, const role& part, std::span<const story_step> steps) {
  for (const story_step& step : steps) {
    if (step.who != nullptr) {
      Edge(out, part.name, step.who, Effect(step));
    }
  }
}

// How a node left out by the shortest win is drawn, besides dashed.
constexpr const char* kSkippedColour = ", color=grey50, fontcolor=grey50";

// Whether every person who wants or hands over the object is skipped.
bool ObjectSkipped(const story& told, const std::string& item,
                   const std::set<std::string>& skipped) {
  for (const role& part : told.cast) {
    const bool touches = (part.wants != nullptr && item == part.wants) ||
                         (part.handsOver != nullptr && item == part.handsOver);
    if (touches && !skipped.contains(part.name)) {
      return false;
    }
  }
  return true;
}

}  // namespace

void WriteStoryDot(std::ostream& out, const story& told, const std::set<std::string>& skipped) {
  constexpr const char* kWon = "the game is won";
  out << "// The errand chain of Quillmore, drawn from the story's table: who wants what, who "
         "hands\n// over what, and whose errand opens whose. Made by quillmore-map --story; "
         "render with\n// dot -Tsvg.\n"
      << "digraph story {\n  rankdir=TB;\n  nodesep=0.3;\n  ranksep=0.45;\n"
      << "  node [fontname=\"Helvetica\", fontsize=13];\n"
      << "  edge [fontname=\"Helvetica\", fontsize=11];\n";
  std::set<std::string> objects;
  for (const role& part : told.cast) {
    const bool inTheChain = part.wants != nullptr || part.handsOver != nullptr ||
                            part.nextErrand != nullptr || part.winsGame;
    if (!inTheChain) {
      continue;
    }
    const bool open = part.startStage == quest_stage::kOpen;
    const bool left = skipped.contains(part.name);
    out << "  " << Quoted(part.name) << " [shape=box";
    if (open && left) {
      out << ", style=\"bold,dashed\"" << kSkippedColour;
    } else if (open || left) {
      out << ", style=" << (open ? "bold" : "dashed") << (left ? kSkippedColour : "");
    }
    out << (open ? ", xlabel=\"open from the start\"" : "") << "];\n";
    for (const char* item : {part.wants, part.handsOver}) {
      if (item != nullptr && objects.insert(item).second) {
        const bool itemLeft = !skipped.empty() && ObjectSkipped(told, item, skipped);
        out << "  " << Quoted(item) << " [shape=ellipse";
        if (itemLeft) {
          out << ", style=dashed" << kSkippedColour;
        }
        out << "];\n";
      }
    }
  }
  out << "  " << Quoted(kWon) << " [shape=box, peripheries=2];\n";
  for (const role& part : told.cast) {
    if (part.wants != nullptr) {
      Edge(out, part.wants, part.name, "wanted by");
    }
    if (part.handsOver != nullptr) {
      Edge(out, part.name, part.handsOver, "hands over");
    }
    if (part.nextErrand != nullptr) {
      Edge(out, part.name, part.nextErrand, "opens");
    }
    if (part.before.who != nullptr) {
      Edge(out, part.before.who, part.name, "once done, readies", "dashed");
    }
    Steps(out, part, part.afterTalk);
    Steps(out, part, part.afterGift);
    if (part.winsGame) {
      Edge(out, part.name, kWon, "tells the player who he is");
    }
  }
  if (!skipped.empty()) {
    out << "  label=\"dashed and grey: skipped by the shortest win\";\n  labelloc=b;\n"
        << "  fontname=\"Helvetica\";\n  fontsize=12;\n";
  }
  out << "}\n";
}

}  // namespace quillmore
