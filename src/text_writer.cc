#include "text_writer.h"

#include <algorithm>

void TextWriter::create_or_empty(const char* name) {
  file_ = disk_.create_or_empty_for_writing(name);
  if (!file_) failed_ = true;
}

void TextWriter::write(std::string_view text) {
  // Copies each run of text up to a line feed at once; it matters, as the
  // script is nearly all such runs.
  for (std::size_t next = 0; next < text.size();) {
    if (text[next] == '\n') {
      if (!make_room(2)) return;
      buffer_[held_++] = '\r';
      buffer_[held_++] = '\n';
      ++next;
      continue;
    }
    const std::size_t run_end = std::min(text.find('\n', next), text.size());
    while (next < run_end) {
      if (!make_room(1)) return;
      const std::size_t count = std::min(run_end - next, buffer_.size() - held_);
      std::copy_n(text.begin() + static_cast<std::ptrdiff_t>(next), count,
                  buffer_.begin() + static_cast<std::ptrdiff_t>(held_));
      held_ += count;
      next += count;
    }
  }
}

bool TextWriter::make_room(std::size_t needed) {
  if (held_ + needed > buffer_.size()) flush();
  // Unopened or failed, a flush cannot make room.
  return !failed_ && held_ + needed <= buffer_.size();
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
