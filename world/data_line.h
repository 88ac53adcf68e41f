#ifndef QUILLMORE_WORLD_DATA_LINE_H_
#define QUILLMORE_WORLD_DATA_LINE_H_

#include <istream>
#include <string>

// Reads one line of a data file into `line`. A carriage return right before the line feed is
// dropped, so files with either line ending read the same. Once a read has run into the end of
// the file, every further read leaves `line` as it was: the loaders rely on that for the location
// texts, which carry over from one record to the next.
void ReadDataLine(std::istream& in, std::string& line);

#endif  // QUILLMORE_WORLD_DATA_LINE_H_
