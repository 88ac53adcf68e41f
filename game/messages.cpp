#include "game/messages.h"

namespace quillmore {

namespace {

// In the order of `message`. The texts stand byte for byte as players know them, typos
// ("recieved") and trailing blanks included: the tests and players' transcripts hold them so.
constexpr const char* kMessages[] = {
    "There is no exit in that direction.\n",
    "You picked up the {object}.\n",
    "Item not found.\n",
    "You dropped the {object}.\n",
    "That item is not in your inventory.\n",
    "That item is nowhere to be found.\n",
    "You gave {person} the {object}.\n",
    "That person is not in this room.\n\n",
    "Um, I have no use for that.\n\n",
    "There is no person by that name here.\n\n",
    "You have recieved {item}.\n",
    "That person is not in this room.\n",
    "NPC does not have that item.\n",
    "world - FindNPC: No match for given NPC name.\n",
    "world - PlacePersonInRoom: No match for given place name.\n",

    "Get what?\n",
    "Drop what?\n",
    "Sorry, what object?\n",
    "To whom? \n",
    "You need to enter a name.\n",
    "To whom?\n",
    "That is not an option. Type in 'Commands' to see the list of what you can do. \n",
    "\nGoodbye!\n\n",
    "Response: \n",

    "Press any key to continue . . . ",

    "You see here: ",
    "Nothing notable.\n",
    "Interesting people are: ",
    "No one notable.\n",
    "You are holding: ",
    "Nothing.\n",

    "No input file found for {item}.\n",
    "No match for given place name. Cannot create pointer.\n",
    "No match for given NPC name.\n",
    "world - SearchForName: No match for given place name.\n",

    "get what?",
    "drop what?",
    "give what?",
    "give to whom?",
    "talk to whom?",
    "look at what?",
    "a or b?",
    "(Type a or b, then Enter.)\n",
    "(Undone: {item})\n",
    "(There is nothing to undo.)\n",
    "(Comment noted.)\n",
};
static_assert(std::size(kMessages) == static_cast<std::size_t>(message::kCommentNoted) + 1);

// The loaders' own word for what each file holds.
constexpr const char* kContents[kDataFileCount] = {"rooms", "people", "object", "map", "story"};
static_assert(static_cast<int>(data_file::kStory) + 1 == kDataFileCount);

std::string_view Quote(std::string_view placeholder, const quoted& names) {
  if (placeholder == "{object}") {
    return names.object;
  }
  return placeholder == "{person}" ? names.person : names.item;
}

}  // namespace

// Only the message is searched for placeholders, never the names put in.
std::string Text(message which, const quoted& names) {
  std::string_view rest = kMessages[static_cast<int>(which)];
  std::string text;
  for (std::size_t open = rest.find('{'); open != std::string_view::npos; open = rest.find('{')) {
    const std::size_t close = rest.find('}', open);
    text.append(rest.substr(0, open)).append(Quote(rest.substr(open, close - open + 1), names));
    rest.remove_prefix(close + 1);
  }
  return text.append(rest);
}

std::string MessageFor(const load_problem& found) {
  // In the order of `problem`; only a missing file names what the file holds.
  constexpr message kLoadMessages[] = {message::kNoFile,       message::kNoPlace,
                                       message::kNoPlace,      message::kNoSuchPlace,
                                       message::kObjectHolder, message::kObjectPlace};
  static_assert(std::size(kLoadMessages) == static_cast<std::size_t>(problem::kObjectPlace) + 1);
  return Text(kLoadMessages[static_cast<int>(found.what)],
              {.item = kContents[static_cast<int>(found.file)]});
}

}  // namespace quillmore
