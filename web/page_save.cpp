#include "web/page_save.h"

#include <emscripten.h>

// The browser's local storage. Any of its calls may throw (storage turned off, full, or refused
// to a page opened from disk), which counts as nothing kept.
// clang-format off
EM_JS(int, StoredLength, (), {
  try {
    const text = localStorage.getItem('quillmore-save');
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

EM_JS(int, StoreText, (const char* text, int length), {
  try {
    localStorage.setItem('quillmore-save', new TextDecoder().decode(HEAPU8.subarray(text, text + length)));
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

page_save::page_save(const data_keys& ours)
    : current(ours.current), firstPageFormat(ours.firstPageFormat) {}

std::string page_save::TakeUp(std::string& notice) {
  const int length = StoredLength();
  if (length < 0) {
    return {};
  }
  std::string stored(static_cast<std::size_t>(length), '\0');
  TakeStored(stored.data());

  save_reading read = ReadSave(stored, {.current = current, .firstPageFormat = firstPageFormat});
  if (read.verdict == save_verdict::kOtherData) {
    notice = "The game has changed since yours was saved, so a new one begins.";
  } else if (read.verdict == save_verdict::kUnreadable) {
    notice = "Your saved game could not be read, so a new one begins.";
  }
  if (!notice.empty()) {
    Finish();
    return {};
  }
  typed = std::move(read.typed);
  return typed;
}

bool page_save::Record(std::string_view line, std::string& notice) {
  if (failed) {
    return false;
  }
  typed.append(line);
  return Store(notice);
}

bool page_save::Rewrite(std::string_view text, std::string& notice) {
  if (failed) {
    return false;
  }
  typed.assign(text);
  if (text.empty()) {
    Finish();
    return true;
  }
  return Store(notice);
}

bool page_save::Store(std::string& notice) {
  const std::string text = SaveHeader(current) + typed;
  if (StoreText(text.data(), static_cast<int>(text.size())) == 0) {
    failed = true;
    notice = "Your progress cannot be kept in this browser.";
  }
  return !failed;
}

void page_save::Finish() {
  typed.clear();
  Unstore();
}

}  // namespace quillmore
