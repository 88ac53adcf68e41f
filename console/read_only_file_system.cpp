#include "console/read_only_file_system.h"

#include <fstream>
#include <iterator>

namespace quillmore {

namespace fs = std::filesystem;

namespace {

std::error_code Refused() {
  return std::make_error_code(std::errc::operation_not_supported);
}

// A directory opens like a file but reads as empty, and the superuser opens files nobody may
// read, so both are told apart by what the file system says.
std::error_code Readable(const fs::path& file) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  if (error) {
    return error;
  }
  if (fs::is_directory(status)) {
    return std::make_error_code(std::errc::is_a_directory);
  }
  const fs::perms anyRead = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  return (status.permissions() & anyRead) == fs::perms::none
             ? std::make_error_code(std::errc::permission_denied)
             : std::error_code();
}

}  // namespace

std::error_code read_only_file_system::Read(const fs::path& file, std::string& text,
                                            std::size_t most) {
  text.clear();
  if (const std::error_code error = Readable(file)) {
    return error;
  }
  std::ifstream in(file, std::ios::binary);
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (text.size() > most) {
    text.clear();
    return std::make_error_code(kTooLarge);
  }
  return in.is_open() && !in.bad() ? std::error_code() : std::make_error_code(std::errc::io_error);
}

std::error_code read_only_file_system::MakeFolder(const fs::path& /*folder*/) {
  return Refused();
}

std::error_code read_only_file_system::List(const fs::path& /*folder*/, std::vector<entry>& files) {
  files.clear();
  return Refused();
}

std::error_code read_only_file_system::Create(const fs::path& /*file*/,
                                              std::unique_ptr<appendable_file>& opened) {
  opened = nullptr;
  return Refused();
}

std::error_code read_only_file_system::OpenToAppend(const fs::path& /*file*/,
                                                    std::unique_ptr<appendable_file>& opened) {
  opened = nullptr;
  return Refused();
}

std::error_code read_only_file_system::Rename(const fs::path& /*from*/, const fs::path& /*to*/) {
  return Refused();
}

std::error_code read_only_file_system::RenameToNew(const fs::path& /*from*/,
                                                   const fs::path& /*to*/) {
  return Refused();
}

std::error_code read_only_file_system::Remove(const fs::path& /*file*/) {
  return Refused();
}

std::error_code read_only_file_system::SyncFolder(const fs::path& /*folder*/) {
  return Refused();
}

// It makes no file.
std::string read_only_file_system::ProcessMark() {
  return {};
}

}  // namespace quillmore
