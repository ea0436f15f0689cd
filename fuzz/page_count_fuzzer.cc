// libFuzzer target: the page-count reader on arbitrary file contents, read
// both in 512-byte and in 1-byte pieces, checked against the C library.
// For a number of at most 15 characters the count must be strtoll's value
// in base 0, clamped to 32 bits; there is no count exactly when the text
// holds only blanks before its end (the file's end or the first byte 1A).

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "disk_interface.h"
#include "page_count_file.h"
#include "text_reader.h"

namespace {

// Serves one read-only file, in pieces of at most read_size bytes.
class OneFileDisk final : public DiskInterface {
 public:
  OneFileDisk(std::string_view contents, std::size_t read_size)
      : contents_(contents), read_size_(read_size) {}

  std::optional<FileHandle> open_or_create_for_reading(const char*) override { return 1; }
  std::optional<FileHandle> create_or_empty_for_writing(const char*) override { return std::nullopt; }
  std::optional<std::size_t> read(FileHandle, char* buffer, std::size_t size) override {
    const std::size_t got = std::min({size, read_size_, contents_.size() - position_});
    std::memcpy(buffer, contents_.data() + position_, got);
    position_ += got;
    return got;
  }
  std::optional<std::size_t> write(FileHandle, const char*, std::size_t) override { return std::nullopt; }
  bool close(FileHandle) override { return true; }
  bool remove_file(const char*) override { return false; }

 private:
  std::string_view contents_;
  std::size_t read_size_;
  std::size_t position_ = 0;
};

// The text a text-mode read sees: CR LF as LF, and nothing from the first 1A on.
std::string text_of(std::string_view contents) {
  std::string text;
  for (std::size_t i = 0; i < contents.size() && contents[i] != '\x1A'; ++i) {
    if (contents[i] == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') continue;
    text += contents[i];
  }
  return text;
}

[[noreturn]] void report(const char* what, std::string_view contents, std::size_t read_size) {
  std::fprintf(stderr, "%s (read size %zu) for the %zu bytes:", what, read_size, contents.size());
  for (const char c : contents) std::fprintf(stderr, " %02x", static_cast<unsigned char>(c));
  std::fprintf(stderr, "\n");
  std::abort();
}

void check(std::string_view contents, std::size_t read_size) {
  OneFileDisk disk(contents, read_size);
  TextReader reader(disk);
  reader.open_or_create("n.txt");
  const std::optional<std::int32_t> count = take_page_count(reader);

  const std::string text = text_of(contents);
  const std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
  if (start == std::string::npos) {
    if (count) report("a count from blanks only", contents, read_size);
    return;
  }
  if (!count) report("no count from a text that is not blank", contents, read_size);

  const char* number = text.c_str() + start;
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(number, &end, 0);
  if (end - number > 15) return;  // the reader takes 15 characters only
  const long long clamped = std::clamp<long long>(value, INT32_MIN, INT32_MAX);
  if (*count != clamped) report("a count other than strtoll's", contents, read_size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view contents(reinterpret_cast<const char*>(data), size);
  check(contents, 512);
  check(contents, 1);
  return 0;
}
