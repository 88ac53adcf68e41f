#include "web/page_save.h"

#include <emscripten.h>

#include <charconv>

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

EM_JS(int, Store, (const char* text, int length), {
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

namespace {

constexpr std::string_view kFormat = "quillmore save 1\n";

// Takes `prefix` off the front of `text`; false when it is not there.
bool Take(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) {
    return false;
  }
  text.remove_prefix(prefix.size());
  return true;
}

}  // namespace

page_save::page_save(std::string_view dataKey) : dataKey(dataKey) {}

std::string page_save::Header(std::size_t typedBytes) const {
  return std::string(kFormat) + "data " + dataKey + "\ntyped " + std::to_string(typedBytes) +
         "\n\n";
}

std::string page_save::TakeUp(std::string& notice) {
  const int length = StoredLength();
  if (length < 0) {
    return {};
  }
  std::string stored(static_cast<std::size_t>(length), '\0');
  TakeStored(stored.data());

  std::string_view text = stored;
  std::size_t typedBytes = 0;
  bool readable = Take(text, kFormat) && Take(text, "data ");
  if (readable && !Take(text, dataKey + "\n")) {
    notice = "The game has changed since yours was saved, so a new one begins.";
    Clear();
    return {};
  }
  if (readable && Take(text, "typed ")) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), typedBytes);
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    readable = error == std::errc() && Take(text, "\n\n") && text.size() == typedBytes;
  } else {
    readable = false;
  }
  if (!readable) {
    notice = "Your saved game could not be read, so a new one begins.";
    Clear();
    return {};
  }
  typed.assign(text);
  return typed;
}

bool page_save::Record(std::string_view line, std::string& notice) {
  if (failed) {
    return false;
  }
  typed.append(line);
  const std::string text = Header(typed.size()) + typed;
  if (Store(text.data(), static_cast<int>(text.size())) == 0) {
    failed = true;
    notice = "Your progress cannot be kept in this browser.";
    return false;
  }
  return true;
}

void page_save::Clear() {
  typed.clear();
  Unstore();
}

}  // namespace quillmore
