#ifndef QUILLMORE_WEB_PAGE_SAVE_H_
#define QUILLMORE_WEB_PAGE_SAVE_H_

#include "game/whole_save.h"
#include "game/whole_story.h"

namespace quillmore {

// The game played in the page, kept in the browser's local storage under the key
// "quillmore-save" so that it survives a reload and the browser being closed: the same text the
// page downloads. Each change stores the whole text with one setItem, which replaces the old text
// whole or not at all. A won game, and New game, remove it.
class page_save : public whole_save {
 public:
  using whole_save::whole_save;

 private:
  std::optional<std::string> Stored() override;
  bool Store(std::string_view text) override;
  void Remove() override;
};

// The story as the page showed it, kept beside the save under "quillmore-story".
class page_story : public whole_story {
 private:
  std::optional<std::string> Stored() override;
  void Store(std::string_view text) override;
  std::optional<std::string> Save() override;
};

}  // namespace quillmore

#endif  // QUILLMORE_WEB_PAGE_SAVE_H_
