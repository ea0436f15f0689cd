// The whole run on the host's file system, in a scratch directory.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "expected_script.h"
#include "generator.h"
#include "scratch_directory.h"

namespace {

namespace fs = std::filesystem;

class WholeRun : public ScratchDirectoryTest {};

TEST_F(WholeRun, WritesOnePageEntryPerPageAndDeletesTheCountFile) {
  const struct {
    const char* count_text;
    std::int32_t count;
    std::uintmax_t size;
  } cases[] = {
      {"0\n", 0, 0},     {"-3\n", -3, 0},          {"1\n", 1, 44},
      {"10\n", 10, 441}, {"9999\n", 9999, 468846}, {"10000\n", 10000, 468895},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.count_text);
    write_file("n.txt", test.count_text);

    EXPECT_EQ(run_generator(), 0);

    EXPECT_FALSE(fs::exists("n.txt"));
    EXPECT_EQ(fs::file_size("script.txt"), test.size);
    EXPECT_TRUE(same_bytes(read_file("script.txt"), expected_script(test.count)));
  }
}

TEST_F(WholeRun, EmptiesALongerScriptFromAnEarlierRun) {
  write_file("script.txt", std::string(100000, 'x'));
  write_file("n.txt", "1\r\n");

  run_generator();

  EXPECT_EQ(read_file("script.txt"), "select 1\r\nsave-page-with  output/0001.djvu\r\n");
}

TEST_F(WholeRun, CreatesAMissingCountFileAndLeavesNoneBehind) {
  run_generator();

  EXPECT_FALSE(fs::exists("n.txt"));
  EXPECT_TRUE(fs::is_regular_file("script.txt"));
  EXPECT_EQ(fs::file_size("script.txt"), 0U);
}

TEST_F(WholeRun, GivesANewScriptOrdinaryAttributes) {
  write_file("n.txt", "1");

  run_generator();

  const fs::perms perms = fs::status("script.txt").permissions();
  EXPECT_NE(perms & fs::perms::owner_read, fs::perms::none);
  EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(perms & (fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec),
            fs::perms::none);
}

TEST_F(WholeRun, UsesAReadOnlyCountFileAndLeavesItForTheNextRun) {
  write_file("n.txt", "5");
  make_read_only("n.txt");

  run_generator();

  EXPECT_EQ(read_file("n.txt"), "5");
  EXPECT_EQ(read_file("script.txt"), expected_script(5));
}

TEST_F(WholeRun, LeavesADirectoryNamedLikeTheCountFileAndWritesAnEmptyScript) {
  fs::create_directory("n.txt");

  run_generator();

  EXPECT_TRUE(fs::is_directory("n.txt"));
  EXPECT_EQ(fs::file_size("script.txt"), 0U);
}

TEST_F(WholeRun, LeavesAReadOnlyScriptAsItWasButStillConsumesTheCount) {
  write_file("script.txt", "earlier script");
  make_read_only("script.txt");
  write_file("n.txt", "4");

  run_generator();

  EXPECT_EQ(read_file("script.txt"), "earlier script");
  EXPECT_FALSE(fs::exists("n.txt"));
}

TEST_F(WholeRun, LeavesADirectoryNamedLikeTheScriptAlone) {
  fs::create_directory("script.txt");
  write_file("n.txt", "4");

  run_generator();

  EXPECT_TRUE(fs::is_directory("script.txt"));
  EXPECT_TRUE(fs::is_empty("script.txt"));
  EXPECT_FALSE(fs::exists("n.txt"));
}

}  // namespace
