#ifndef DJVU_SPLIT_SCRIPT_TEXT_READER_H_
#define DJVU_SPLIT_SCRIPT_TEXT_READER_H_

#include <array>
#include <cstddef>
#include <optional>

#include "disk_interface.h"

// A buffered input stream in text mode, the same on every platform: CR LF
// reads as LF (also where a read splits the pair), and the first byte 1A ends
// the text. A read error reads as the end of the text.
class TextReader {
 public:
  explicit TextReader(DiskInterface& disk) : disk_(disk) {}
  ~TextReader() { close(); }
  TextReader(const TextReader&) = delete;
  TextReader& operator=(const TextReader&) = delete;

  // Opens the file, creating it empty if it is missing. When the platform
  // refuses, the reader stays closed and reads as an empty text.
  void open_or_create(const char* name);

  // The next character, left unread; nothing at the end of the text.
  std::optional<char> peek();

  // Consumes the character that peek() returned.
  void advance();

  void close();

 private:
  void refill();
  void decode(std::size_t size);
  void emit(char c) { text_[text_end_++] = c; }

  static constexpr std::size_t kBufferSize = 512;
  static constexpr char kEndOfText = '\x1A';

  DiskInterface& disk_;
  std::optional<FileHandle> file_;
  std::array<char, kBufferSize> raw_{};
  // One more than a read: a CR held back from the previous read may lead.
  std::array<char, kBufferSize + 1> text_{};
  std::size_t text_begin_ = 0;
  std::size_t text_end_ = 0;
  bool carriage_return_held_ = false;
  bool ended_ = false;
};

#endif  // DJVU_SPLIT_SCRIPT_TEXT_READER_H_
