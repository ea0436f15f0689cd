#include "virtual_file_system.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char* operation_name(VirtualFileSystem::Operation operation) {
  switch (operation) {
    case VirtualFileSystem::Operation::kOpen:
      return "open";
    case VirtualFileSystem::Operation::kCreate:
      return "create";
    case VirtualFileSystem::Operation::kRead:
      return "read";
    case VirtualFileSystem::Operation::kWrite:
      return "write";
    case VirtualFileSystem::Operation::kClose:
      return "close";
    case VirtualFileSystem::Operation::kRemove:
      return "remove";
  }
  return "?";
}

// The bytes a read or write may handle under the fault.
std::size_t allowed(const VirtualFileSystem::Fault& fault, std::size_t size) {
  return fault.kind == VirtualFileSystem::Fault::Kind::kCutShort ? std::min(fault.limit, size) : size;
}

}  // namespace

VirtualFileSystem::FaultPolicy VirtualFileSystem::refuse_every(Operation operation) {
  return on_each(operation, [](int) { return Fault::refuse(); });
}

VirtualFileSystem::FaultPolicy VirtualFileSystem::on_each(Operation operation,
                                                          std::function<Fault(int n)> fault_for_nth) {
  return [operation, fault_for_nth, count = 0](const Call& call) mutable {
    return call.operation == operation ? fault_for_nth(++count) : Fault::none();
  };
}

void VirtualFileSystem::add_file(const std::string& name, std::string contents, bool read_only) {
  files[name] = Entry{std::move(contents), read_only, false};
}

void VirtualFileSystem::add_directory(const std::string& name) { files[name] = Entry{{}, false, true}; }

bool VirtualFileSystem::is_open(const std::string& name) const {
  return std::any_of(open_files_.begin(), open_files_.end(),
                     [&name](const auto& open) { return open.second.name == name; });
}

std::vector<std::string> VirtualFileSystem::call_log() const {
  std::vector<std::string> log;
  for (const Call& call : calls) log.push_back(std::string(operation_name(call.operation)) + " " + call.name);
  return log;
}

std::vector<std::string> VirtualFileSystem::writes_offered(const std::string& name) const {
  std::vector<std::string> writes;
  for (const Call& call : calls) {
    if (call.operation == Operation::kWrite && call.name == name) writes.push_back(call.offered);
  }
  return writes;
}

VirtualFileSystem::Fault VirtualFileSystem::record(Operation operation, const std::string& name,
                                                   std::size_t size, std::string offered) {
  calls.push_back({operation, name, size, std::move(offered)});
  return fault_for ? fault_for(calls.back()) : Fault::none();
}

VirtualFileSystem::OpenFile* VirtualFileSystem::find(FileHandle file) {
  const auto open = open_files_.find(file);
  if (open == open_files_.end()) {
    ADD_FAILURE() << "call on handle " << file << ", which is not open";
    return nullptr;
  }
  return &open->second;
}

FileHandle VirtualFileSystem::open_handle(const std::string& name, bool writable) {
  open_files_[next_handle_] = OpenFile{name, writable, 0};
  return next_handle_++;
}

std::optional<FileHandle> VirtualFileSystem::open_or_create_for_reading(const char* name) {
  if (record(Operation::kOpen, name, 0).kind == Fault::Kind::kRefuse) return std::nullopt;
  if (exists(name) && files[name].directory) return std::nullopt;
  files.try_emplace(name);
  return open_handle(name, false);
}

std::optional<FileHandle> VirtualFileSystem::create_or_empty_for_writing(const char* name) {
  if (record(Operation::kCreate, name, 0).kind == Fault::Kind::kRefuse) return std::nullopt;
  if (exists(name) && (files[name].directory || files[name].read_only)) return std::nullopt;
  files[name].contents.clear();
  return open_handle(name, true);
}

std::optional<std::size_t> VirtualFileSystem::read(FileHandle file, char* buffer, std::size_t size) {
  OpenFile* open = find(file);
  if (open == nullptr) return std::nullopt;
  const Fault fault = record(Operation::kRead, open->name, size);
  if (fault.kind == Fault::Kind::kRefuse) return std::nullopt;
  const std::string& contents = files[open->name].contents;
  const std::size_t available = contents.size() - std::min(open->position, contents.size());
  const std::size_t got = std::min(allowed(fault, size), available);
  std::copy_n(contents.begin() + static_cast<std::ptrdiff_t>(open->position), got, buffer);
  open->position += got;
  return got;
}

std::optional<std::size_t> VirtualFileSystem::write(FileHandle file, const char* data, std::size_t size) {
  OpenFile* open = find(file);
  if (open == nullptr) return std::nullopt;
  EXPECT_TRUE(open->writable) << "write to " << open->name << ", which was opened for reading";
  const Fault fault = record(Operation::kWrite, open->name, size, std::string(data, size));
  if (fault.kind == Fault::Kind::kRefuse) return std::nullopt;
  const std::size_t taken = allowed(fault, size);
  std::string& contents = files[open->name].contents;
  contents.resize(std::max(contents.size(), open->position + taken));
  std::copy_n(data, taken, contents.begin() + static_cast<std::ptrdiff_t>(open->position));
  open->position += taken;
  return taken;
}

bool VirtualFileSystem::close(FileHandle file) {
  OpenFile* open = find(file);
  if (open == nullptr) return false;
  const Fault fault = record(Operation::kClose, open->name, 0);
  open_files_.erase(file);  // released even when the close reports a failure
  return fault.kind != Fault::Kind::kRefuse;
}

bool VirtualFileSystem::remove_file(const char* name) {
  if (record(Operation::kRemove, name, 0).kind == Fault::Kind::kRefuse) return false;
  if (!exists(name) || is_open(name)) return false;
  const Entry& entry = files[name];
  if (entry.directory || entry.read_only) return false;
  files.erase(name);
  return true;
}
