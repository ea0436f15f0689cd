#ifndef DJVU_SPLIT_SCRIPT_TESTS_EXPECTED_SCRIPT_H_
#define DJVU_SPLIT_SCRIPT_TESTS_EXPECTED_SCRIPT_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

// The split script for a page count, built independently of the tool with
// printf-style formatting, CR LF line ends included.
std::string expected_script(std::int32_t page_count);

// Equal bytes; otherwise the sizes and the first difference, in place of a
// diff that would run to megabytes for a long script.
testing::AssertionResult same_bytes(const std::string& actual, const std::string& expected);

#endif  // DJVU_SPLIT_SCRIPT_TESTS_EXPECTED_SCRIPT_H_
