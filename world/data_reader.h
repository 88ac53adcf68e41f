#ifndef QUILLMORE_WORLD_DATA_READER_H_
#define QUILLMORE_WORLD_DATA_READER_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillmore {

// A data file's text, or none when the file could not be read.
using file_contents = std::optional<std::string_view>;

// Reads a data file line by line and counts the lines, so that a loader can say where a problem
// lies. A line feed ends a line rather than starting one: a line is there only while at least one
// byte of the file is left, so a line feed after the last line, or an empty file, gives no line.
// A carriage return right before a line feed is dropped, so files with either line ending read
// the same. A read with nothing left leaves its line as it was: the loaders rely on that for the
// location texts, which carry over from one record to the next.
class data_reader {
 public:
  explicit data_reader(file_contents file) : opened(file.has_value()), text(file.value_or("")) {}

  // False when the file could not be read.
  bool Opened() const { return opened; }
  // True when no byte of the file is left to read.
  bool AtEnd() const { return at == text.size(); }
  void ReadLine(std::string& line);
  // The number of the line the last read was for, counted from 1; 0 before the first.
  int LineNumber() const { return lineNumber; }

 private:
  bool opened;
  std::string_view text;
  std::size_t at = 0;
  int lineNumber = 0;
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_DATA_READER_H_
