#ifndef QUILLMORE_WORLD_OBJECT_H_
#define QUILLMORE_WORLD_OBJECT_H_

#include <string>

namespace quillmore {

class console;
class data_reader;

// One item of the game. It lies in a room, is held by a person or is carried by the player, and
// sits in at most one of those lists at a time; `next` threads it through that list.
class object {
 public:
  bool HasName(const std::string& text) const;
  const std::string& GetName() const { return name; }
  void PrintName(console& io) const;

  const object* GetNext() const { return next; }
  object* GetNext() { return next; }
  void SetNext(object* following) { next = following; }

  // Reads the name and description lines of one record of the objects file.
  void Read(data_reader& in);
  // An empty line, the name, the description and an empty line, when started on a fresh line.
  void Describe(console& io) const;

 private:
  std::string name;
  std::string description;
  object* next = nullptr;
};

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_OBJECT_H_
