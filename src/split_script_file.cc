#include "split_script_file.h"

#include <algorithm>
#include <charconv>

PageNumberText::PageNumberText(std::int32_t page, std::size_t min_digits) {
  std::array<char, 11> digits{};
  const auto [end, error] = std::to_chars(digits.begin(), digits.end(), page);
  static_cast<void>(error);  // eleven characters hold any 32-bit value
  const auto digit_count = static_cast<std::size_t>(end - digits.begin());
  const std::size_t width = std::min(min_digits, characters_.size());
  const std::size_t fill = width > digit_count ? width - digit_count : 0;
  std::fill_n(characters_.begin(), fill, '0');
  std::copy(digits.begin(), end, characters_.begin() + static_cast<std::ptrdiff_t>(fill));
  length_ = fill + digit_count;
}

PageNumberText format_page_number(std::int32_t page) { return PageNumberText(page, 4); }

void open_split_script(TextWriter& script) { script.create_or_empty(kSplitScriptFileName); }

namespace {

// Hands the line to the script in one piece and flushes it, so that it
// reaches the file in one write request.
void write_line(TextWriter& script, std::string_view command, std::string_view number,
                std::string_view suffix) {
  // The longest line, a save line with an 11-character number, has 40.
  std::array<char, 48> line{};
  auto end = std::copy(command.begin(), command.end(), line.begin());
  end = std::copy(number.begin(), number.end(), end);
  end = std::copy(suffix.begin(), suffix.end(), end);
  *end++ = '\n';
  script.write({line.data(), static_cast<std::size_t>(end - line.begin())});
  script.flush();
}

}  // namespace

void write_page_entry(TextWriter& script, std::int32_t page) {
  write_line(script, "select ", PageNumberText(page).view(), "");
  write_line(script, "save-page-with  output/", format_page_number(page).view(), ".djvu");
}
