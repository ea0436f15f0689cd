#include "generator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "expected_script.h"
#include "virtual_file_system.h"

namespace {

using Fault = VirtualFileSystem::Fault;
using Operation = VirtualFileSystem::Operation;
using Strings = std::vector<std::string>;

TEST(ForEachPage, VisitsEveryPageOnceUpToTheLargest32BitValue) {
  constexpr std::int32_t kMax = 2147483647;
  constexpr std::int32_t kMin = -kMax - 1;
  const struct {
    std::int32_t first;
    std::int32_t last;
    std::vector<std::int32_t> pages;
  } cases[] = {
      // clang-format off
      {1, 3, {1, 2, 3}},
      {1, 1, {1}},
      {1, 0, {}},
      {1, -5, {}},
      {1, kMin, {}},
      {kMax - 2, kMax, {kMax - 2, kMax - 1, kMax}},
      {kMax, kMax, {kMax}},
      // clang-format on
  };
  for (const auto& test : cases) {
    std::vector<std::int32_t> pages;
    for_each_page(test.first, test.last, [&pages](std::int32_t page) {
      if (pages.size() < 10) pages.push_back(page);  // a runaway loop stops here
    });
    EXPECT_EQ(pages, test.pages) << test.first << " to " << test.last;
  }
}

TEST(RunGenerator, ReadsClosesDeletesThenWritesOneRequestPerLine) {
  VirtualFileSystem disk;
  disk.add_file("n.txt", "2\n");

  EXPECT_EQ(run_generator(disk), 0);

  EXPECT_EQ(disk.call_log(), (Strings{"open n.txt", "read n.txt", "close n.txt", "remove n.txt",
                                      "create script.txt", "write script.txt", "write script.txt",
                                      "write script.txt", "write script.txt", "close script.txt"}));
  EXPECT_FALSE(disk.exists("n.txt"));
  EXPECT_EQ(disk.files["script.txt"].contents, expected_script(2));
}

TEST(RunGenerator, CreatesAMissingCountFileAndDeletesItAgain) {
  VirtualFileSystem disk;
  disk.add_file("script.txt", "stale");

  EXPECT_EQ(run_generator(disk), 0);

  EXPECT_EQ(disk.call_log(), (Strings{"open n.txt", "read n.txt", "close n.txt", "remove n.txt",
                                      "create script.txt", "close script.txt"}));
  EXPECT_FALSE(disk.exists("n.txt"));
  EXPECT_EQ(disk.files["script.txt"].contents, "");
}

struct RunFailureCase {
  const char* what;
  VirtualFileSystem::FaultPolicy fault_for;
  std::optional<std::string> script;  // nothing: "script.txt" keeps its earlier text
  bool count_file_remains;
  int script_writes;
};

// Every run starts from "n.txt" holding 3 and a stale "script.txt".
TEST(RunGenerator, GoesOnThroughEveryFailureAndEndsWithStatusZero) {
  const std::string first_line = "select 1\r\n";
  const RunFailureCase cases[] = {
      {"open of n.txt refused", VirtualFileSystem::refuse_every(Operation::kOpen), "", false, 0},
      {"read error before the number", VirtualFileSystem::refuse_every(Operation::kRead), "", false, 0},
      {"every close refused", VirtualFileSystem::refuse_every(Operation::kClose), expected_script(3), false,
       6},
      {"deletion refused", VirtualFileSystem::refuse_every(Operation::kRemove), expected_script(3), true, 6},
      {"script cannot be created", VirtualFileSystem::refuse_every(Operation::kCreate), std::nullopt, false,
       0},
      // Six flushes and the close offer the held line every time.
      {"every write refused",
       VirtualFileSystem::on_each(Operation::kWrite, [](int) { return Fault::refuse(); }), "", false, 7},
      {"writes refused from the second on",
       VirtualFileSystem::on_each(Operation::kWrite,
                                  [](int n) { return n == 1 ? Fault::none() : Fault::refuse(); }),
       first_line, false, 7},
      // The rest of the line goes out at the next flush; the lines after it are gone.
      {"first write cut short",
       VirtualFileSystem::on_each(Operation::kWrite,
                                  [](int n) { return n == 1 ? Fault::cut_short(4) : Fault::none(); }),
       first_line, false, 2},
      {"disk full in the second entry",
       VirtualFileSystem::on_each(
           Operation::kWrite, [](int n) { return n < 3 ? Fault::none() : Fault::cut_short(n == 3 ? 5 : 0); }),
       expected_script(1) + "selec", false, 7},
  };
  for (const RunFailureCase& test : cases) {
    SCOPED_TRACE(test.what);
    VirtualFileSystem disk;
    disk.add_file("n.txt", "3");
    disk.add_file("script.txt", "stale script");
    disk.fault_for = test.fault_for;

    EXPECT_EQ(run_generator(disk), 0);

    EXPECT_EQ(disk.files["script.txt"].contents, test.script.value_or("stale script"));
    EXPECT_EQ(disk.exists("n.txt"), test.count_file_remains);
    if (test.count_file_remains) {
      EXPECT_EQ(disk.files["n.txt"].contents, "3");
    }
    EXPECT_EQ(disk.writes_offered("script.txt").size(), static_cast<std::size_t>(test.script_writes));
    EXPECT_FALSE(disk.is_open("n.txt"));
    EXPECT_FALSE(disk.is_open("script.txt"));
  }
}

}  // namespace
