#include "world/object_list.h"

void PushObject(object*& head, object& item) {
  item.SetNext(head);
  head = &item;
}

object* FindObjectIn(object* head, const std::string& text) {
  for (object* item = head; item != nullptr; item = item->GetNext()) {
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

void PrintObjectNames(const object* head, std::ostream& out) {
  for (const object* item = head; item != nullptr; item = item->GetNext()) {
    if (item != head) {
      out << ", ";
    }
    item->PrintName(out);
  }
}
