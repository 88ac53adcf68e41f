#ifndef QUILLMORE_STORY_PUB_DRINKS_H_
#define QUILLMORE_STORY_PUB_DRINKS_H_

namespace quillmore {

// One drink from every pub: the side quest, judged only at the end of a won game.
constexpr const char* kPubDrinks[] = {
    "pint of Bulmers Cider", "pint of Beamish", "pint of Murphy's",
    "pint of Rebel Red",     "shot of Jameson",
};

}  // namespace quillmore

#endif  // QUILLMORE_STORY_PUB_DRINKS_H_
