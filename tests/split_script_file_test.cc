#include "split_script_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "virtual_file_system.h"

namespace {

using Strings = std::vector<std::string>;

// Opens the split script on the disk, writes the page's entry, and closes it.
void write_script_with_entry(VirtualFileSystem& disk, std::int32_t page) {
  TextWriter script(disk);
  open_split_script(script);
  write_page_entry(script, page);
}

TEST(FormatPageNumber, FillsFourDigitsWithZerosAndWidensForLargerNumbers) {
  const std::pair<std::int32_t, std::string> cases[] = {
      {1, "0001"},   {9, "0009"},    {10, "0010"},   {99, "0099"},     {100, "0100"},
      {999, "0999"}, {1000, "1000"}, {9999, "9999"}, {10000, "10000"}, {2147483647, "2147483647"},
  };
  for (const auto& [page, field] : cases) {
    EXPECT_EQ(format_page_number(page).view(), field) << "page " << page;
  }
}

TEST(WritePageEntry, WritesTheSelectLineAndTheSaveLineEachInOneRequest) {
  const std::pair<std::int32_t, Strings> cases[] = {
      {7, {"select 7\r\n", "save-page-with  output/0007.djvu\r\n"}},
      {10, {"select 10\r\n", "save-page-with  output/0010.djvu\r\n"}},
      {9999, {"select 9999\r\n", "save-page-with  output/9999.djvu\r\n"}},
      {12345, {"select 12345\r\n", "save-page-with  output/12345.djvu\r\n"}},
  };
  for (const auto& [page, lines] : cases) {
    VirtualFileSystem disk;
    {
      TextWriter script(disk);
      open_split_script(script);
      write_page_entry(script, page);
      EXPECT_EQ(disk.writes_offered(kSplitScriptFileName), lines) << "page " << page << ", before the close";
    }
    EXPECT_EQ(disk.files[kSplitScriptFileName].contents, lines[0] + lines[1]);
  }
}

TEST(WritePageEntry, MatchesThePageSevenEntryByteForByte) {
  const unsigned char expected[] = {
      0x73, 0x65, 0x6C, 0x65, 0x63, 0x74, 0x20, 0x37, 0x0D, 0x0A,  // select 7
      0x73, 0x61, 0x76, 0x65, 0x2D, 0x70, 0x61, 0x67, 0x65, 0x2D, 0x77, 0x69, 0x74, 0x68, 0x20, 0x20, 0x6F,
      0x75, 0x74, 0x70, 0x75, 0x74, 0x2F, 0x30, 0x30, 0x30, 0x37, 0x2E, 0x64, 0x6A, 0x76, 0x75, 0x0D, 0x0A,
  };
  VirtualFileSystem disk;
  write_script_with_entry(disk, 7);
  EXPECT_EQ(disk.files[kSplitScriptFileName].contents,
            std::string(reinterpret_cast<const char*>(expected), sizeof expected));
}

TEST(OpenSplitScript, EmptiesAnEarlierScriptButLeavesAReadOnlyOneAlone) {
  VirtualFileSystem disk;
  disk.add_file(kSplitScriptFileName, std::string(5000, 'x'));
  write_script_with_entry(disk, 1);
  EXPECT_EQ(disk.files[kSplitScriptFileName].contents, "select 1\r\nsave-page-with  output/0001.djvu\r\n");

  VirtualFileSystem read_only_disk;
  read_only_disk.add_file(kSplitScriptFileName, "old script", true);
  write_script_with_entry(read_only_disk, 1);
  EXPECT_EQ(read_only_disk.files[kSplitScriptFileName].contents, "old script");
  EXPECT_EQ(read_only_disk.call_log(), Strings{"create script.txt"});
}

}  // namespace
