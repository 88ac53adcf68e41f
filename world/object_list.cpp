#include "world/object_list.h"

#include "console/console.h"

namespace quillmore {

void PushObject(object*& head, object& item) {
  item.SetNext(head);
  head = &item;
}

const object* FindObjectIn(const object* head, const std::string& text) {
  for (const object* item = head; item != nullptr; item = item->GetNext()) {
    if (item->HasName(text)) {
      return item;
    }
  }
  return nullptr;
}

object* UnlinkObject(object*& head, const std::string& text) {
  object* previous = nullptr;
  for (object* item = head; item != nullptr; item = item->GetNext()) {
    if (item->HasName(text)) {
      if (previous == nullptr) {
        head = item->GetNext();
      } else {
        previous->SetNext(item->GetNext());
      }
      return item;
    }
    previous = item;
  }
  return nullptr;
}

void PrintObjectNames(const object* head, console& io) {
  for (const object* item = head; item != nullptr; item = item->GetNext()) {
    if (item != head) {
      io.Write(", ");
    }
    item->PrintName(io);
  }
}

}  // namespace quillmore
