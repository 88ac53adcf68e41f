#ifndef QUILLMORE_TOOLS_CHECK_UNICODE_FORM_H_
#define QUILLMORE_TOOLS_CHECK_UNICODE_FORM_H_

#include <string>

namespace quillmore {

// A UTF-8 text in Unicode's composed form (NFC: by ICU, or in the browser by the browser): an
// accented letter written as a letter and a combining accent becomes the one character, so two
// spellings that look the same compare equal. Text that is no valid UTF-8 comes back as it was.
std::string Composed(const std::string& text);

}  // namespace quillmore

#endif  // QUILLMORE_TOOLS_CHECK_UNICODE_FORM_H_
