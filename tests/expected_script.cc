#include "expected_script.h"

#include <algorithm>
#include <cstdio>

std::string expected_script(std::int32_t page_count) {
  std::string script;
  char entry[96];
  for (std::int32_t page = 1; page <= page_count; ++page) {
    const int length =
        std::snprintf(entry, sizeof entry, "select %d\r\nsave-page-with  output/%04d.djvu\r\n", page, page);
    script.append(entry, static_cast<std::size_t>(length));
  }
  return script;
}

testing::AssertionResult same_bytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return testing::AssertionSuccess();
  const auto [at, unused] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
  const auto offset = static_cast<std::size_t>(at - actual.begin());
  return testing::AssertionFailure() << actual.size() << " bytes where " << expected.size()
                                     << " were expected, first different at offset " << offset << ": "
                                     << testing::PrintToString(actual.substr(offset, 40)) << " instead of "
                                     << testing::PrintToString(expected.substr(offset, 40));
}
