#include "text_reader.h"

void TextReader::open_or_create(const char* name) { file_ = disk_.open_or_create_for_reading(name); }

std::optional<char> TextReader::peek() {
  if (text_begin_ == text_end_) refill();
  if (text_begin_ == text_end_) return std::nullopt;
  return text_[text_begin_];
}

void TextReader::advance() {
  if (text_begin_ < text_end_) ++text_begin_;
}

void TextReader::close() {
  if (!file_) return;
  disk_.close(*file_);
  file_.reset();
}

void TextReader::refill() {
  // A read that holds only a CR yields no character yet, hence the loop.
  while (text_begin_ == text_end_ && !ended_) {
    text_begin_ = text_end_ = 0;
    const std::optional<std::size_t> got =
        file_ ? disk_.read(*file_, raw_.data(), raw_.size()) : std::nullopt;
    if (!got || *got == 0) {
      if (carriage_return_held_) emit('\r');
      carriage_return_held_ = false;
      ended_ = true;
      return;
    }
    decode(*got);
  }
}

void TextReader::decode(std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    const char c = raw_[i];
    if (carriage_return_held_) {
      carriage_return_held_ = false;
      if (c == '\n') {
        emit('\n');
        continue;
      }
      emit('\r');
    }
    if (c == kEndOfText) {
      ended_ = true;
      return;
    }
    if (c == '\r') {
      carriage_return_held_ = true;
    } else {
      emit(c);
    }
  }
}
