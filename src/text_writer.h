#ifndef DJVU_SPLIT_SCRIPT_TEXT_WRITER_H_
#define DJVU_SPLIT_SCRIPT_TEXT_WRITER_H_

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "disk_interface.h"

// A buffered output stream in text mode, the same on every platform: each LF
// is stored as CR LF and no end-of-file mark is added. The stream is good
// until the file cannot be opened or a write fails; then it stays failed, and
// new text is dropped, while bytes the file did not take stay held and are
// offered to the file again at every flush and at the close.
class TextWriter {
 public:
  explicit TextWriter(DiskInterface& disk) : disk_(disk) {}
  ~TextWriter() { close(); }
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  // Creates the file, or empties it. When the platform refuses, the stream
  // fails and has no file, so whatever the file held stays as it was.
  void create_or_empty(const char* name);

  void write(std::string_view text);

  // Hands the held bytes to the file in one write request.
  void flush();

  // Flushes, then releases the file.
  void close();

 private:
  static constexpr std::size_t kBufferSize = 512;

  // Flushes when the held bytes leave less than needed; false when the text
  // must be dropped: the stream has failed, or there is still no room.
  bool make_room(std::size_t needed);

  DiskInterface& disk_;
  std::optional<FileHandle> file_;
  std::array<char, kBufferSize> buffer_{};
  std::size_t held_ = 0;
  bool failed_ = false;
};

#endif  // DJVU_SPLIT_SCRIPT_TEXT_WRITER_H_
