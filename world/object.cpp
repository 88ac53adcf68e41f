#include "world/object.h"

#include "console/console.h"
#include "world/data_reader.h"
#include "world/name_match.h"

namespace quillmore {

bool object::HasName(const std::string& text) const {
  return NameContains(name, text);
}

void object::PrintName(console& io) const {
  io.Write(name);
}

void object::Read(data_reader& in) {
  in.ReadLine(name);
  in.ReadLine(description);
}

void object::Describe(console& io) const {
  io.Line();
  io.Line(name);
  io.Line(description);
  io.Line();
}

}  // namespace quillmore
