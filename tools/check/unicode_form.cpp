#include "tools/check/unicode_form.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#else
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#endif

namespace quillmore {

#ifdef __EMSCRIPTEN__

// In the browser ICU is not at hand, but every browser composes text itself. The composed bytes
// wait in the module until they are taken; text that is no valid UTF-8 answers -1.
// clang-format off
EM_JS(int, ComposeText, (const char* text, int length), {
  try {
    const read = new TextDecoder('utf-8', {fatal: true}).decode(HEAPU8.subarray(text, text + length));
    Module.quillmoreComposed = new TextEncoder().encode(read.normalize('NFC'));
    return Module.quillmoreComposed.length;
  } catch (error) {
    return -1;
  }
});

EM_JS(void, TakeComposed, (char* buffer), {
  HEAPU8.set(Module.quillmoreComposed, buffer);
  Module.quillmoreComposed = null;
});
// clang-format on

std::string Composed(const std::string& text) {
  const int length = ComposeText(text.data(), static_cast<int>(text.size()));
  if (length < 0) {
    return text;
  }
  std::string bytes(static_cast<std::size_t>(length), '\0');
  TakeComposed(bytes.data());
  return bytes;
}

#else

std::string Composed(const std::string& text) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) {
    return text;
  }
  const icu::UnicodeString read = icu::UnicodeString::fromUTF8(text);
  std::string readBack;
  read.toUTF8String(readBack);
  if (readBack != text) {
    return text;  // no valid UTF-8: ICU put a replacement character in
  }
  const icu::UnicodeString composed = nfc->normalize(read, status);
  if (U_FAILURE(status)) {
    return text;
  }
  std::string bytes;
  composed.toUTF8String(bytes);
  return bytes;
}

#endif

}  // namespace quillmore
