#include "page_count_file.h"

#include <algorithm>
#include <limits>

namespace {

// Fixed classes, whatever the user's locale says.
bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The value of c as a digit of base 8, 10 or 16; -1 when it is none.
int digit_value(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// Fifteen characters hold at most 13 hexadecimal digits (52 bits) or 15
// decimal ones (under 2^50), so the value cannot overflow 64 bits.
constexpr int kMaxNumberLength = 15;

std::int32_t clamp_to_32_bits(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::optional<std::int32_t> take_page_count(TextReader& text) {
  while (text.peek() && is_blank(*text.peek())) text.advance();
  if (!text.peek()) return std::nullopt;

  int taken = 0;
  const auto take = [&text, &taken] {
    text.advance();
    ++taken;
  };

  bool negative = false;
  if (text.peek() == '+' || text.peek() == '-') {
    negative = text.peek() == '-';
    take();
  }

  int base = 10;
  int digits = 0;
  if (text.peek() == '0') {
    take();
    ++digits;
    base = 8;
    if (text.peek() == 'x' || text.peek() == 'X') {
      take();
      base = 16;
      digits = 0;  // the 0 of the prefix is no digit
    }
  }

  std::int64_t value = 0;
  while (taken < kMaxNumberLength && text.peek()) {
    const int digit = digit_value(*text.peek(), base);
    if (digit < 0) break;
    value = value * base + digit;
    ++digits;
    take();
  }

  if (digits == 0) return 0;
  return clamp_to_32_bits(negative ? -value : value);
}

void read_page_count(TextReader& stream, std::int32_t& page_count) {
  stream.open_or_create(kPageCountFileName);
  if (const std::optional<std::int32_t> count = take_page_count(stream)) page_count = *count;
  stream.close();
}

void delete_page_count_file(DiskInterface& disk) { disk.remove_file(kPageCountFileName); }
