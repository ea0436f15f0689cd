// Win32 calls behind DiskInterface.

#include <windows.h>

#include <algorithm>

#include "disk_interface.h"

namespace {

// Others may read and write a file the tool holds open, but not delete or
// rename it under the tool's feet: no FILE_SHARE_DELETE.
constexpr DWORD kShareReadAndWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

HANDLE to_handle(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

std::optional<FileHandle> create_file(const char* name, DWORD access, DWORD disposition) {
  const HANDLE file =
      CreateFileA(name, access, kShareReadAndWrite, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  return reinterpret_cast<FileHandle>(file);
}

// ReadFile and WriteFile count in DWORDs; a larger request is cut to fit and
// reported as the short transfer it then is.
DWORD request_size(std::size_t size) { return static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD)); }

}  // namespace

std::optional<FileHandle> RealDiskInterface::open_or_create_for_reading(const char* name) {
  return create_file(name, GENERIC_READ, OPEN_ALWAYS);
}

// CREATE_ALWAYS already refuses a read-only file before it empties it.
std::optional<FileHandle> RealDiskInterface::create_or_empty_for_writing(const char* name) {
  return create_file(name, GENERIC_WRITE, CREATE_ALWAYS);
}

std::optional<std::size_t> RealDiskInterface::read(FileHandle file, char* buffer, std::size_t size) {
  DWORD got = 0;
  if (!ReadFile(to_handle(file), buffer, request_size(size), &got, nullptr)) return std::nullopt;
  return got;
}

std::optional<std::size_t> RealDiskInterface::write(FileHandle file, const char* data, std::size_t size) {
  DWORD taken = 0;
  if (!WriteFile(to_handle(file), data, request_size(size), &taken, nullptr)) return std::nullopt;
  return taken;
}

bool RealDiskInterface::close(FileHandle file) { return CloseHandle(to_handle(file)) != 0; }

bool RealDiskInterface::remove_file(const char* name) { return DeleteFileA(name) != 0; }
