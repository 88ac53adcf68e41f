#ifndef QUILLMORE_WORLD_OBJECT_H_
#define QUILLMORE_WORLD_OBJECT_H_

#include <istream>
#include <ostream>
#include <string>

// One item of the game. It lies in a room, is held by a person or is carried by the player, and
// sits in at most one of those lists at a time; `next` threads it through that list.
class object {
 public:
  bool HasName(const std::string& text) const;
  // The full name when it contains `text`, else "NotHere".
  std::string MatchName(const std::string& text) const;
  const std::string& GetName() const { return name; }
  void PrintName(std::ostream& out) const { out << name; }

  object* GetNext() const { return next; }
  void SetNext(object* following) { next = following; }

  // Reads the name and description lines of one record of the objects file.
  void Read(std::istream& in);
  // An empty line, the name, the description and an empty line, when started on a fresh line.
  void Describe(std::ostream& out) const;

 private:
  std::string name;
  std::string description;
  object* next = nullptr;
};

#endif  // QUILLMORE_WORLD_OBJECT_H_
