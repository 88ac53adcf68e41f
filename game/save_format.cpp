#include "game/save_format.h"

#include <charconv>
#include <cstdint>

#include "console/visible_text.h"

namespace quillmore {

namespace {

constexpr std::string_view kFormat = "quillmore save 2\n";
constexpr std::string_view kTerminalFormatBefore = "quillmore progress 1\n";
constexpr std::string_view kPageFormatBefore = "quillmore save 1\n";
constexpr std::size_t kKeyDigits = 16;

// Takes `prefix` off the front of `text`; false when it is not there.
bool Take(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) {
    return false;
  }
  text.remove_prefix(prefix.size());
  return true;
}

// The header's fields this game uses.
struct header {
  std::string_view data;
  std::string_view typed;  // the page's first format only
  std::string_view transcript;
};

// Takes the header's lines off `text`, up to and with the blank line that ends it. False when
// there is no blank line, or a line is no "name value".
bool TakeHeader(std::string_view& text, header& read) {
  for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    if (line.empty()) {
      return true;
    }
    const std::size_t blank = line.find(' ');
    if (blank == 0 || blank == std::string_view::npos) {
      return false;
    }
    const std::string_view name = line.substr(0, blank);
    if (name == "data") {
      read.data = line.substr(blank + 1);
    } else if (name == "typed") {
      read.typed = line.substr(blank + 1);
    } else if (name == "transcript") {
      read.transcript = line.substr(blank + 1);
    }
  }
  return false;
}

bool IsKey(std::string_view key) {
  return key.size() == kKeyDigits &&
         key.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// The page's first format counted the bytes of typing, which must all be there.
bool CountMatches(std::string_view count, std::string_view typed) {
  std::size_t bytes = 0;
  const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), bytes);
  return error == std::errc() && end == count.data() + count.size() && bytes == typed.size();
}

// A header's value on one line: a path may hold line ends, which would end the header early.
std::string OnOneLine(std::string_view value) {
  std::string line;
  for (const char byte : value) {
    line.append(byte == '\n' ? "^J" : std::string_view(&byte, 1));
  }
  return Visible(line);
}

// A save written where lines end in CR LF, as some editors and mail do, is read as if they ended
// in LF. Any other carriage return is a byte in a line like any other.
std::string WithoutCarriageReturns(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\r' || at + 1 == text.size() || text[at + 1] != '\n') {
      plain.push_back(text[at]);
    }
  }
  return plain;
}

save_reading Verdict(save_verdict verdict, std::string_view typed = {}) {
  // A line cut short by a power cut was never read by the game.
  return {verdict, std::string(typed.substr(0, typed.rfind('\n') + 1))};
}

}  // namespace

std::string HashKey(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char byte : text) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= 1099511628211ULL;
  }
  std::string hex(kKeyDigits, '0');  // the hash in hexadecimal, most significant digit first
  for (std::size_t digit = kKeyDigits; digit-- > 0; hash >>= 4) {
    hex[digit] = "0123456789abcdef"[hash & 15];
  }
  return hex;
}

std::string DataKey(std::string_view rooms, std::string_view people, std::string_view objects) {
  std::string text;
  for (const std::string_view file : {rooms, people, objects}) {
    text.append(std::to_string(file.size())).append(":").append(file);
  }
  return HashKey(text);
}

std::string SaveHeader(std::string_view dataKey, std::string_view folder,
                       std::string_view transcript) {
  std::string text(kFormat);
  text.append("data ").append(dataKey).append("\n");
  if (!folder.empty()) {
    text.append("folder ").append(OnOneLine(folder)).append("\n");
  }
  if (!transcript.empty()) {
    text.append("transcript ").append(OnOneLine(transcript)).append("\n");
  }
  return text.append("\n");
}

save_reading ReadSave(std::string_view saved, const data_keys& ours) {
  const std::string plain = WithoutCarriageReturns(saved);
  std::string_view text = plain;
  if (HasControlBytes(text)) {
    return Verdict(save_verdict::kUnreadable);  // no line the player could have typed
  }
  const bool pageFormatBefore = Take(text, kPageFormatBefore);
  const bool readable =
      pageFormatBefore || Take(text, kFormat) || Take(text, kTerminalFormatBefore);
  header read;
  if (!readable || !TakeHeader(text, read) || !IsKey(read.data) ||
      (pageFormatBefore && !CountMatches(read.typed, text))) {
    return Verdict(save_verdict::kUnreadable);
  }
  const std::string_view key = pageFormatBefore ? ours.firstPageFormat : ours.current;
  if (read.data != key) {
    return Verdict(save_verdict::kOtherData);
  }
  save_reading taken = Verdict(save_verdict::kReadable, text);
  taken.transcript = read.transcript;
  return taken;
}

}  // namespace quillmore
