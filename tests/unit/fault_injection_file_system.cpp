#include "fault_injection_file_system.h"

#include <algorithm>

namespace quillmore {

namespace fs = std::filesystem;

namespace {

std::error_code Error(std::errc code) {
  return std::make_error_code(code);
}

}  // namespace

// A file open to append to, until the power goes.
class fault_injection_file_system::open_file : public appendable_file {
 public:
  open_file(fault_injection_file_system& disk, int file, fs::path path)
      : disk(disk), file(file), path(std::move(path)), boot(disk.boot) {
    disk.files[static_cast<std::size_t>(file)].holder = this;
  }
  ~open_file() override {
    contents& held = disk.files[static_cast<std::size_t>(file)];
    if (held.holder == this) {
      held.holder = nullptr;
    }
  }
  open_file(const open_file&) = delete;
  open_file& operator=(const open_file&) = delete;

  std::error_code Append(std::string_view text) override {
    std::error_code error = disk.Call("append " + path.string() + " " + std::string(text));
    if (!error && boot != disk.boot) {
      error = Error(std::errc::bad_file_descriptor);
    }
    if (!error) {
      disk.files[static_cast<std::size_t>(file)].bytes.append(text);
    }
    return error;
  }

  std::error_code Sync() override {
    std::error_code error = disk.Call("sync " + path.string());
    if (!error && boot != disk.boot) {
      error = Error(std::errc::bad_file_descriptor);
    }
    if (!error) {
      contents& written = disk.files[static_cast<std::size_t>(file)];
      written.durable = written.bytes.size();
    }
    return error;
  }

 private:
  fault_injection_file_system& disk;
  int file;
  fs::path path;
  int boot;
};

void fault_injection_file_system::CutPowerAt(int call, survivors keep) {
  cutAt = call;
  kept = keep;
}

std::error_code fault_injection_file_system::Call(const std::string& what) {
  if (static_cast<int>(calls.size()) == cutAt) {
    cutAt = -1;
    CutPower();
  }
  if (off) {
    return Error(std::errc::io_error);
  }
  calls.push_back(what);
  return {};
}

// Each folder keeps its durable names and the first changes since; each file its durable bytes
// and the first bytes since.
void fault_injection_file_system::CutPower() {
  off = true;
  ++boot;
  for (auto& [path, each] : folders) {
    const std::size_t count = std::min(kept.folderChanges, each.pending.size());
    for (std::size_t i = 0; i < count; ++i) {
      const change& made = each.pending[i];
      each.durable.erase(made.from);
      if (!made.to.empty()) {
        each.durable[made.to] = made.file;
      }
    }
    each.names = each.durable;
    each.pending.clear();
  }
  for (contents& each : files) {
    each.bytes.resize(each.durable + std::min(kept.bytes, each.bytes.size() - each.durable));
    each.durable = each.bytes.size();
    each.holder = nullptr;  // a lock does not outlive its machine
  }
}

std::error_code fault_injection_file_system::MakeFolder(const fs::path& folder) {
  std::error_code error = Call("make folder " + folder.string());
  for (fs::path each = folder; !error && each.has_relative_path(); each = each.parent_path()) {
    const auto above = folders.find(each.parent_path());
    if (above != folders.end() && above->second.names.contains(each.filename().string())) {
      error = Error(std::errc::file_exists);  // a file has the name
    } else {
      folders.try_emplace(each);
    }
  }
  return error;
}

std::error_code fault_injection_file_system::List(const fs::path& folder,
                                                  std::vector<entry>& found) {
  found.clear();
  std::error_code error = Call("list " + folder.string());
  const auto listed = folders.find(folder);
  if (!error && listed == folders.end()) {
    error = Error(std::errc::no_such_file_or_directory);
  }
  if (!error) {
    for (const auto& [name, file] : listed->second.names) {
      found.push_back({name, files[static_cast<std::size_t>(file)].regular});
    }
  }
  return error;
}

int fault_injection_file_system::Find(const fs::path& file, std::error_code& error) const {
  const auto folder = folders.find(file.parent_path());
  if (folders.contains(file)) {
    error = Error(std::errc::is_a_directory);
  } else if (folder == folders.end() || !folder->second.names.contains(file.filename().string())) {
    error = Error(std::errc::no_such_file_or_directory);
  }
  return error ? -1 : folder->second.names.at(file.filename().string());
}

std::error_code fault_injection_file_system::Read(const fs::path& file, std::string& text,
                                                  std::size_t most) {
  text.clear();
  std::error_code error = Call("read " + file.string());
  const int found = error ? -1 : Find(file, error);
  const contents* read = error ? nullptr : &files[static_cast<std::size_t>(found)];
  if (read != nullptr && !read->regular) {
    error = Error(kNotAFile);
  } else if (read != nullptr && read->bytes.size() > most) {
    error = Error(kTooLarge);
  } else if (read != nullptr) {
    text = read->bytes;
  }
  return error;
}

std::error_code fault_injection_file_system::Change(const fs::path& folder, change made) {
  const auto changed = folders.find(folder);
  if (changed == folders.end()) {
    return Error(std::errc::no_such_file_or_directory);
  }
  changed->second.names.erase(made.from);
  if (!made.to.empty()) {
    changed->second.names[made.to] = made.file;
  }
  changed->second.pending.push_back(std::move(made));
  return {};
}

std::error_code fault_injection_file_system::Create(const fs::path& file,
                                                    std::unique_ptr<appendable_file>& opened) {
  opened.reset();
  std::error_code error = Call("create " + file.string());
  if (!error && folders.contains(file)) {
    error = Error(std::errc::is_a_directory);
  }
  const auto folder = folders.find(file.parent_path());
  if (!error && folder != folders.end() &&
      folder->second.names.contains(file.filename().string())) {
    error = Error(std::errc::file_exists);
  }
  if (!error) {
    error = Change(
        file.parent_path(),
        {.from = "", .to = file.filename().string(), .file = static_cast<int>(files.size())});
  }
  if (!error) {
    files.push_back({});
    opened = std::make_unique<open_file>(*this, static_cast<int>(files.size()) - 1, file);
  }
  return error;
}

std::error_code fault_injection_file_system::Open(int file, const fs::path& path,
                                                  std::unique_ptr<appendable_file>& opened) {
  const contents& found = files[static_cast<std::size_t>(file)];
  if (!found.regular) {
    return Error(kNotAFile);
  }
  if (found.holder != nullptr) {
    return Error(kHeldElsewhere);
  }
  opened = std::make_unique<open_file>(*this, file, path);
  return {};
}

void fault_injection_file_system::Special(const fs::path& name) {
  folders.try_emplace(name.parent_path());
  files.push_back({.bytes = "", .durable = 0, .holder = nullptr, .regular = false});
  folder& in = folders[name.parent_path()];
  in.names[name.filename().string()] = static_cast<int>(files.size()) - 1;
  in.durable = in.names;
}

std::error_code fault_injection_file_system::OpenToAppend(
    const fs::path& file, std::unique_ptr<appendable_file>& opened) {
  opened.reset();
  std::error_code error = Call("open to append " + file.string());
  const int found = error ? -1 : Find(file, error);
  return error ? error : Open(found, file, opened);
}

std::error_code fault_injection_file_system::Rename(const fs::path& from, const fs::path& to) {
  std::error_code error = Call("rename " + from.string() + " " + to.string());
  const int found = error ? -1 : Find(from, error);
  if (!error && from.parent_path() != to.parent_path()) {
    error = Error(std::errc::cross_device_link);  // renames here stay in their folder
  }
  if (!error) {
    error = Change(from.parent_path(),
                   {.from = from.filename().string(), .to = to.filename().string(), .file = found});
  }
  return error;
}

std::error_code fault_injection_file_system::RenameToNew(const fs::path& from, const fs::path& to) {
  const auto folder = folders.find(to.parent_path());
  if (folder != folders.end() && folder->second.names.contains(to.filename().string())) {
    std::error_code error = Call("rename to new " + from.string() + " " + to.string());
    return error ? error : Error(std::errc::file_exists);
  }
  return Rename(from, to);
}

std::error_code fault_injection_file_system::Remove(const fs::path& file) {
  std::error_code error = Call("remove " + file.string());
  if (!error) {
    Find(file, error);
  }
  if (!error) {
    error = Change(file.parent_path(), {.from = file.filename().string(), .to = "", .file = -1});
  }
  return error;
}

std::error_code fault_injection_file_system::SyncFolder(const fs::path& folder) {
  std::error_code error = Call("sync folder " + folder.string());
  const auto synced = folders.find(folder);
  if (!error && synced == folders.end()) {
    error = Error(std::errc::no_such_file_or_directory);
  }
  if (!error) {
    synced->second.durable = synced->second.names;
    synced->second.pending.clear();
  }
  return error;
}

// One game to the process, as on a real disk.
std::string fault_injection_file_system::ProcessMark() {
  return "1";
}

}  // namespace quillmore
