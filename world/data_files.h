#ifndef QUILLMORE_WORLD_DATA_FILES_H_
#define QUILLMORE_WORLD_DATA_FILES_H_

namespace quillmore {

// The five data files, always in this order: the order the game loads the first three in
// (objects held by people need the people loaded, and both need the rooms), then the map, which
// links the rooms, and the story, which names all of them.
enum class data_file { kRooms, kPeople, kObjects, kMap, kStory };
constexpr int kDataFileCount = 5;
constexpr data_file kDataFiles[kDataFileCount] = {
    data_file::kRooms, data_file::kPeople, data_file::kObjects, data_file::kMap, data_file::kStory};

// The file name the game opens, in its data folder.
constexpr const char* FileName(data_file file) {
  constexpr const char* kNames[kDataFileCount] = {"rooms.txt", "people.txt", "objects.txt",
                                                  "map.txt", "story.txt"};
  return kNames[static_cast<int>(file)];
}

// Location keywords of the objects file, recognised only as the whole line.
constexpr const char* kHeldByPerson = "NPC";
constexpr const char* kCarriedByPlayer = "USER";

}  // namespace quillmore

#endif  // QUILLMORE_WORLD_DATA_FILES_H_
