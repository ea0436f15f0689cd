#ifndef DJVU_SPLIT_SCRIPT_TESTS_SCRATCH_DIRECTORY_H_
#define DJVU_SPLIT_SCRIPT_TESTS_SCRATCH_DIRECTORY_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// Runs each test in a new, empty directory of its own under the system's
// temporary directory, made the current one, and removes it afterwards.
class ScratchDirectoryTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static void write_file(const char* name, const std::string& contents);
  static std::string read_file(const char* name);
  // Clears every write permission; on Windows, sets the read-only attribute.
  static void make_read_only(const char* name);

 private:
  std::filesystem::path original_directory_;
  std::filesystem::path directory_;
};

#endif  // DJVU_SPLIT_SCRIPT_TESTS_SCRATCH_DIRECTORY_H_
