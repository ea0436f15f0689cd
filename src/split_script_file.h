#ifndef DJVU_SPLIT_SCRIPT_SPLIT_SCRIPT_FILE_H_
#define DJVU_SPLIT_SCRIPT_SPLIT_SCRIPT_FILE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text_writer.h"

inline constexpr const char* kSplitScriptFileName = "script.txt";

// A page number as text; room for any 32-bit value.
class PageNumberText {
 public:
  explicit PageNumberText(std::int32_t page, std::size_t min_digits = 1);
  std::string_view view() const { return {characters_.data(), length_}; }

 private:
  std::array<char, 11> characters_{};
  std::size_t length_ = 0;
};

// The page-number field of a save line: four digits, zero-filled ("0007"),
// and from 10000 on as many as the page number has ("10000").
PageNumberText format_page_number(std::int32_t page);

// Creates the split script, or empties it. When that is refused the stream
// is failed, and every page entry written to it is dropped.
void open_split_script(TextWriter& script);

// Appends the select line and the save line for the page (1 or more), each
// flushed to the file as soon as it is complete.
void write_page_entry(TextWriter& script, std::int32_t page);

#endif  // DJVU_SPLIT_SCRIPT_SPLIT_SCRIPT_FILE_H_
