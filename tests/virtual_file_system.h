#ifndef DJVU_SPLIT_SCRIPT_TESTS_VIRTUAL_FILE_SYSTEM_H_
#define DJVU_SPLIT_SCRIPT_TESTS_VIRTUAL_FILE_SYSTEM_H_

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "disk_interface.h"

// An in-memory file system that records every call and can refuse, or cut
// short, any of them. It follows the target platform's rules: read-only
// files can be neither emptied nor deleted, and neither can an open file.
class VirtualFileSystem final : public DiskInterface {
 public:
  enum class Operation { kOpen, kCreate, kRead, kWrite, kClose, kRemove };

  struct Call {
    Operation operation;
    std::string name;
    std::size_t size = 0;  // bytes asked for by a read, offered by a write
    std::string offered;   // the bytes of a write
  };

  struct Fault {
    enum class Kind { kNone, kRefuse, kCutShort };
    Kind kind = Kind::kNone;
    std::size_t limit = 0;  // bytes a cut-short read or write handles

    static Fault none() { return {}; }
    static Fault refuse() { return {Kind::kRefuse, 0}; }
    static Fault cut_short(std::size_t limit) { return {Kind::kCutShort, limit}; }
  };

  struct Entry {
    std::string contents;
    bool read_only = false;
    bool directory = false;
  };

  using FaultPolicy = std::function<Fault(const Call&)>;

  // Refuses every call of the operation.
  static FaultPolicy refuse_every(Operation operation);
  // Treats the n-th call of the operation, counting from 1, as fault_for_nth(n) says.
  static FaultPolicy on_each(Operation operation, std::function<Fault(int n)> fault_for_nth);

  std::map<std::string, Entry> files;
  std::vector<Call> calls;
  // Consulted for every call, after it has been recorded.
  FaultPolicy fault_for;

  void add_file(const std::string& name, std::string contents, bool read_only = false);
  void add_directory(const std::string& name);
  bool exists(const std::string& name) const { return files.count(name) != 0; }
  bool is_open(const std::string& name) const;
  // The calls as "read n.txt", "write script.txt" and so on.
  std::vector<std::string> call_log() const;
  // What each write to the named file offered, in order.
  std::vector<std::string> writes_offered(const std::string& name) const;

  std::optional<FileHandle> open_or_create_for_reading(const char* name) override;
  std::optional<FileHandle> create_or_empty_for_writing(const char* name) override;
  std::optional<std::size_t> read(FileHandle file, char* buffer, std::size_t size) override;
  std::optional<std::size_t> write(FileHandle file, const char* data, std::size_t size) override;
  bool close(FileHandle file) override;
  bool remove_file(const char* name) override;

 private:
  struct OpenFile {
    std::string name;
    bool writable = false;
    std::size_t position = 0;
  };

  Fault record(Operation operation, const std::string& name, std::size_t size, std::string offered = {});
  OpenFile* find(FileHandle file);
  FileHandle open_handle(const std::string& name, bool writable);

  std::map<FileHandle, OpenFile> open_files_;
  FileHandle next_handle_ = 3;
};

#endif  // DJVU_SPLIT_SCRIPT_TESTS_VIRTUAL_FILE_SYSTEM_H_
