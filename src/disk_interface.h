#ifndef DJVU_SPLIT_SCRIPT_DISK_INTERFACE_H_
#define DJVU_SPLIT_SCRIPT_DISK_INTERFACE_H_

#include <cstddef>
#include <cstdint>
#include <optional>

// An open file as the platform knows it: a descriptor or a handle.
using FileHandle = std::intptr_t;

// The only way the tool reaches the operating system. Names are relative to
// the current working directory. Reads and writes are raw bytes: text-mode
// translation belongs to the streams above, so it is the same everywhere.
class DiskInterface {
 public:
  virtual ~DiskInterface() = default;

  // Opens an existing file unchanged, or creates an empty one with ordinary
  // (readable and writable) attributes. Nothing when the platform refuses.
  virtual std::optional<FileHandle> open_or_create_for_reading(const char* name) = 0;

  // Creates the file, or cuts an existing one to zero length. Nothing when the
  // platform refuses, and then an existing file is left as it was.
  virtual std::optional<FileHandle> create_or_empty_for_writing(const char* name) = 0;

  // The number of bytes read, 0 at the end of the file; nothing on an error.
  virtual std::optional<std::size_t> read(FileHandle file, char* buffer, std::size_t size) = 0;

  // One write request. The number of bytes the file took, which may be fewer
  // than offered; nothing when the write is refused.
  virtual std::optional<std::size_t> write(FileHandle file, const char* data, std::size_t size) = 0;

  // Releases the handle even when the platform reports a failure.
  virtual bool close(FileHandle file) = 0;

  virtual bool remove_file(const char* name) = 0;
};

// The host's file system. Its implementation is chosen per platform at build
// time; on POSIX a file without its owner-write bit counts as read-only, so it
// can be neither emptied nor deleted, as on Windows.
class RealDiskInterface final : public DiskInterface {
 public:
  std::optional<FileHandle> open_or_create_for_reading(const char* name) override;
  std::optional<FileHandle> create_or_empty_for_writing(const char* name) override;
  std::optional<std::size_t> read(FileHandle file, char* buffer, std::size_t size) override;
  std::optional<std::size_t> write(FileHandle file, const char* data, std::size_t size) override;
  bool close(FileHandle file) override;
  bool remove_file(const char* name) override;
};

#endif  // DJVU_SPLIT_SCRIPT_DISK_INTERFACE_H_
