#include "text_writer.h"

#include <algorithm>

void TextWriter::create_or_empty(const char* name) {
  file_ = disk_.create_or_empty_for_writing(name);
  if (!file_) failed_ = true;
}

void TextWriter::write(std::string_view text) {
  for (const char c : text) {
    const std::size_t needed = c == '\n' ? 2 : 1;
    if (held_ + needed > buffer_.size()) flush();
    // Unopened, a flush cannot make room either.
    if (failed_ || held_ + needed > buffer_.size()) return;
    if (c == '\n') buffer_[held_++] = '\r';
    buffer_[held_++] = c;
  }
}

void TextWriter::flush() {
  if (!file_ || held_ == 0) return;
  const std::size_t taken = std::min(disk_.write(*file_, buffer_.data(), held_).value_or(0), held_);
  if (taken < held_) failed_ = true;
  std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(taken),
            buffer_.begin() + static_cast<std::ptrdiff_t>(held_), buffer_.begin());
  held_ -= taken;
}

void TextWriter::close() {
  if (!file_) return;
  flush();
  disk_.close(*file_);
  file_.reset();
}
