#include "world/object.h"

#include "world/data_line.h"
#include "world/name_match.h"

bool object::HasName(const std::string& text) const {
  return NameContains(name, text);
}

std::string object::MatchName(const std::string& text) const {
  return HasName(text) ? name : "NotHere";
}

void object::Read(std::istream& in) {
  ReadDataLine(in, name);
  ReadDataLine(in, description);
}

void object::Describe(std::ostream& out) const {
  out << std::endl << name << std::endl << description << std::endl << std::endl;
}
