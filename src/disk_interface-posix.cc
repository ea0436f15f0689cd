// POSIX calls behind DiskInterface.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "disk_interface.h"

namespace {

// Ordinary attributes for a new file: readable and writable, less the umask.
constexpr mode_t kNewFileMode = 0666;

int open_file(const char* name, int flags) {
  int fd;
  do {
    fd = ::open(name, flags, kNewFileMode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

// Windows refuses to overwrite or delete a read-only file, and so must we,
// even for root, who could otherwise write anything.
bool read_only(mode_t mode) { return (mode & S_IWUSR) == 0; }

}  // namespace

std::optional<FileHandle> RealDiskInterface::open_or_create_for_reading(const char* name) {
  const int fd = open_file(name, O_RDONLY | O_CREAT);
  if (fd < 0) return std::nullopt;
  return fd;
}

std::optional<FileHandle> RealDiskInterface::create_or_empty_for_writing(const char* name) {
  // A file we create is ours whatever the umask made of it.
  int fd = open_file(name, O_WRONLY | O_CREAT | O_EXCL);
  if (fd >= 0) return fd;
  if (errno != EEXIST) return std::nullopt;

  // The check comes before the truncation, so a refused file keeps its bytes.
  fd = open_file(name, O_WRONLY | O_CREAT);
  if (fd < 0) return std::nullopt;
  struct stat status {};
  const bool emptied = ::fstat(fd, &status) == 0 && !read_only(status.st_mode) &&
                       (!S_ISREG(status.st_mode) || ::ftruncate(fd, 0) == 0);
  if (!emptied) {
    ::close(fd);
    return std::nullopt;
  }
  return fd;
}

std::optional<std::size_t> RealDiskInterface::read(FileHandle file, char* buffer, std::size_t size) {
  ssize_t got;
  do {
    got = ::read(static_cast<int>(file), buffer, size);
  } while (got < 0 && errno == EINTR);
  if (got < 0) return std::nullopt;
  return static_cast<std::size_t>(got);
}

std::optional<std::size_t> RealDiskInterface::write(FileHandle file, const char* data, std::size_t size) {
  ssize_t taken;
  do {
    taken = ::write(static_cast<int>(file), data, size);
  } while (taken < 0 && errno == EINTR);
  if (taken < 0) return std::nullopt;
  return static_cast<std::size_t>(taken);
}

// No retry on EINTR: Linux has released the descriptor by then.
bool RealDiskInterface::close(FileHandle file) { return ::close(static_cast<int>(file)) == 0; }

bool RealDiskInterface::remove_file(const char* name) {
  struct stat status {};
  if (::lstat(name, &status) != 0 || read_only(status.st_mode)) return false;
  return ::unlink(name) == 0;
}
