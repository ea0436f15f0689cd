#include "page_count_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "virtual_file_system.h"

namespace {

using namespace std::string_literals;
using Fault = VirtualFileSystem::Fault;
using Operation = VirtualFileSystem::Operation;

constexpr std::int32_t kEarlierValue = 424242;  // what "no count" must leave alone
constexpr std::int32_t kMax = 2147483647;
constexpr std::int32_t kMin = -kMax - 1;

// Runs read_page_count on the disk, starting from kEarlierValue, and returns
// what the page count holds afterwards.
std::int32_t read_count(VirtualFileSystem& disk) {
  TextReader stream(disk);
  std::int32_t page_count = kEarlierValue;
  read_page_count(stream, page_count);
  return page_count;
}

struct CountCase {
  std::string content;
  std::optional<std::int32_t> count;  // nothing: no count is stored
};

const CountCase kCountCases[] = {
    {"42", 42},
    {"  42\r\n", 42},
    {"\r\n\t 7 \r\n", 7},
    {"\v\f7", 7},
    {"+7", 7},
    {"-3", -3},
    {"-0", 0},
    {"010", 8},
    {"0777", 511},
    {"08", 0},
    {"0x1F", 31},
    {"0X1a", 26},
    {"+0x10", 16},
    {"-0x10", -16},
    {"0X", 0},
    {"0xg", 0},
    {"00x5", 0},
    {"12abc", 12},
    {"3.9", 3},
    {"1e3", 1},
    {"12 pages", 12},
    {"12\r\n34", 12},
    {"abc", 0},
    {"x5", 0},
    {"+", 0},
    {"-", 0},
    {"+-5", 0},
    {"- 5", 0},
    {"\xEF\xBB\xBF"s + "42", 0},
    {"\0\0"s, 0},
    {"", std::nullopt},
    {" \r\n\t \n", std::nullopt},
    {"\x1A"s + "42", std::nullopt},
    {"  \x1A"s + "42", std::nullopt},
    {"4\x1A"s + "2", 4},
    {"\r\x1A"s + "5", std::nullopt},
    {"2147483647", kMax},
    {"2147483648", kMax},
    {"-2147483648", kMin},
    {"-2147483649", kMin},
    {"-" + std::string(20, '9'), kMin},
    {std::string(20, '9'), kMax},
    {"0xFFFFFFFF", kMax},
    {"0" + std::string(12, '7'), kMax},
    {"000000000000042", 34},
    {"0000000000000042", 4},
    // The sign and the "0x" count among the fifteen characters.
    {"-0x" + std::string(12, '0') + "1", 0},
    {"  +" + std::string(14, '0') + "9", 0},
};

// Every case is read whole and then one byte per read, so that no rule
// depends on where the file's reads happen to end.
TEST(ReadPageCount, TakesTheFirstNumberByItsPrefixAndClampsIt) {
  for (const std::size_t read_size : {std::size_t{512}, std::size_t{1}}) {
    for (const CountCase& test : kCountCases) {
      SCOPED_TRACE(testing::Message()
                   << "content \"" << testing::PrintToString(test.content) << "\", reads of " << read_size);
      VirtualFileSystem disk;
      disk.add_file(kPageCountFileName, test.content);
      disk.fault_for = VirtualFileSystem::on_each(Operation::kRead,
                                                  [read_size](int) { return Fault::cut_short(read_size); });
      const std::int32_t page_count = read_count(disk);

      EXPECT_EQ(page_count, test.count.value_or(kEarlierValue));
      EXPECT_FALSE(disk.is_open(kPageCountFileName));
      EXPECT_EQ(disk.files[kPageCountFileName].contents, test.content) << "the file was changed";
    }
  }
}

TEST(ReadPageCount, CreatesAMissingFileEmptyAndStoresNoCount) {
  VirtualFileSystem disk;
  const std::int32_t page_count = read_count(disk);

  EXPECT_EQ(page_count, kEarlierValue);
  ASSERT_TRUE(disk.exists(kPageCountFileName));
  EXPECT_EQ(disk.files[kPageCountFileName].contents, "");
  EXPECT_FALSE(disk.is_open(kPageCountFileName));
}

struct FailureCase {
  const char* what;
  std::string content;
  VirtualFileSystem::FaultPolicy fault_for;
  std::optional<std::int32_t> count;
};

TEST(ReadPageCount, TreatsRefusalsAndReadErrorsAsTheEndOfTheText) {
  const FailureCase cases[] = {
      {"open refused", "42", VirtualFileSystem::refuse_every(Operation::kOpen), std::nullopt},
      {"read error before the number", "  42", VirtualFileSystem::refuse_every(Operation::kRead),
       std::nullopt},
      {"read error inside the number", "1234",
       VirtualFileSystem::on_each(Operation::kRead,
                                  [](int n) { return n == 1 ? Fault::cut_short(2) : Fault::refuse(); }),
       12},
      {"close refused", "42", VirtualFileSystem::refuse_every(Operation::kClose), 42},
  };
  for (const FailureCase& test : cases) {
    SCOPED_TRACE(test.what);
    VirtualFileSystem disk;
    disk.add_file(kPageCountFileName, test.content);
    disk.fault_for = test.fault_for;
    const std::int32_t page_count = read_count(disk);

    EXPECT_EQ(page_count, test.count.value_or(kEarlierValue));
    EXPECT_FALSE(disk.is_open(kPageCountFileName));
  }
}

TEST(ReadPageCount, StoresNoCountForADirectory) {
  VirtualFileSystem disk;
  disk.add_directory(kPageCountFileName);
  const std::int32_t page_count = read_count(disk);

  EXPECT_EQ(page_count, kEarlierValue);
  EXPECT_EQ(disk.call_log(), std::vector<std::string>{"open n.txt"});
}

TEST(DeletePageCountFile, RemovesTheFileUnlessThePlatformRefuses) {
  struct Case {
    const char* what;
    std::function<void(VirtualFileSystem&)> set_up;
    bool remains;
  };
  const Case cases[] = {
      {"ordinary file", [](VirtualFileSystem& disk) { disk.add_file(kPageCountFileName, "5"); }, false},
      {"read-only file", [](VirtualFileSystem& disk) { disk.add_file(kPageCountFileName, "5", true); }, true},
      {"directory", [](VirtualFileSystem& disk) { disk.add_directory(kPageCountFileName); }, true},
      {"deletion refused",
       [](VirtualFileSystem& disk) {
         disk.add_file(kPageCountFileName, "5");
         disk.fault_for = VirtualFileSystem::refuse_every(Operation::kRemove);
       },
       true},
      {"no such file", [](VirtualFileSystem&) {}, false},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    VirtualFileSystem disk;
    test.set_up(disk);

    delete_page_count_file(disk);

    EXPECT_EQ(disk.exists(kPageCountFileName), test.remains);
    EXPECT_EQ(disk.call_log(), std::vector<std::string>{"remove n.txt"});
  }
}

}  // namespace
