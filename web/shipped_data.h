#ifndef QUILLMORE_WEB_SHIPPED_DATA_H_
#define QUILLMORE_WEB_SHIPPED_DATA_H_

#include <string_view>

// The five files of data/, compiled into the page build (made by embed_data.cmake).
extern const std::string_view kShippedRooms;
extern const std::string_view kShippedPeople;
extern const std::string_view kShippedObjects;
extern const std::string_view kShippedMap;
extern const std::string_view kShippedStory;
// Tells one version of those files from another: saved games are kept for the data they were
// played on.
extern const std::string_view kShippedDataKey;

#endif  // QUILLMORE_WEB_SHIPPED_DATA_H_
