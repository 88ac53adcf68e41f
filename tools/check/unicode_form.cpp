#include "tools/check/unicode_form.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

namespace quillmore {

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

}  // namespace quillmore
