#ifndef DJVU_SPLIT_SCRIPT_PAGE_COUNT_FILE_H_
#define DJVU_SPLIT_SCRIPT_PAGE_COUNT_FILE_H_

#include <cstdint>
#include <optional>

#include "disk_interface.h"
#include "text_reader.h"

inline constexpr const char* kPageCountFileName = "n.txt";

// Takes the first number of the text, after any blanks: an optional sign,
// then "0x" or "0X" for hexadecimal, a leading "0" for octal, decimal
// otherwise; at most 15 characters, the rest left unread. A number without
// digits is 0, and values outside 32 bits are clamped to the nearest bound.
// Nothing when the text ends before its first non-blank character.
std::optional<std::int32_t> take_page_count(TextReader& text);

// Opens the page-count file (creating it empty when it is missing), stores
// its count into page_count, and closes it. Where the file holds no count,
// page_count keeps the value it had.
void read_page_count(TextReader& stream, std::int32_t& page_count);

// Deletes the page-count file; a refusal leaves it where it is.
void delete_page_count_file(DiskInterface& disk);

#endif  // DJVU_SPLIT_SCRIPT_PAGE_COUNT_FILE_H_
