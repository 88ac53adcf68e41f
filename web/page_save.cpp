#include "web/page_save.h"

#include <emscripten.h>

// The browser's local storage. Any of its calls may throw (storage turned off, full, or refused
// to a page opened from disk), which counts as nothing kept.
// clang-format off
EM_JS(int, StoredLength, (const char* key), {
  try {
    const text = localStorage.getItem(UTF8ToString(key));
    if (text === null) return -1;
    Module.quillmoreStored = new TextEncoder().encode(text);
    return Module.quillmoreStored.length;
  } catch (error) {
    return -1;
  }
});

EM_JS(void, TakeStored, (char* buffer), {
  HEAPU8.set(Module.quillmoreStored, buffer);
  Module.quillmoreStored = null;
});

EM_JS(int, StoreText, (const char* key, const char* text, int length), {
  try {
    localStorage.setItem(UTF8ToString(key), new TextDecoder().decode(HEAPU8.subarray(text, text + length)));
    return 1;
  } catch (error) {
    return 0;
  }
});

EM_JS(void, Unstore, (), {
  try {
    localStorage.removeItem('quillmore-save');
  } catch (error) {
  }
});
// clang-format on

namespace quillmore {

namespace {

std::optional<std::string> StoredUnder(const char* key) {
  const int length = StoredLength(key);
  if (length < 0) {
    return std::nullopt;
  }
  std::string stored(static_cast<std::size_t>(length), '\0');
  TakeStored(stored.data());
  return stored;
}

}  // namespace

std::optional<std::string> page_save::Stored() {
  return StoredUnder("quillmore-save");
}

bool page_save::Store(std::string_view text) {
  return StoreText("quillmore-save", text.data(), static_cast<int>(text.size())) != 0;
}

void page_save::Remove() {
  Unstore();
}

std::optional<std::string> page_story::Stored() {
  return StoredUnder("quillmore-story");
}

void page_story::Store(std::string_view text) {
  StoreText("quillmore-story", text.data(), static_cast<int>(text.size()));
}

std::optional<std::string> page_story::Save() {
  return StoredUnder("quillmore-save");
}

}  // namespace quillmore
