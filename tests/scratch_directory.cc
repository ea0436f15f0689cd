#include "scratch_directory.h"

#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

void ScratchDirectoryTest::SetUp() {
  original_directory_ = fs::current_path();
  std::random_device random;
  do {
    directory_ = fs::temp_directory_path() / ("djvu-split-script-test-" + std::to_string(random()));
  } while (!fs::create_directory(directory_));
  fs::current_path(directory_);
}

void ScratchDirectoryTest::TearDown() {
  fs::current_path(original_directory_);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(directory_)) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
  }
  fs::remove_all(directory_);
}

void ScratchDirectoryTest::write_file(const char* name, const std::string& contents) {
  std::ofstream(name, std::ios::binary | std::ios::trunc) << contents;
}

std::string ScratchDirectoryTest::read_file(const char* name) {
  std::ifstream file(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void ScratchDirectoryTest::make_read_only(const char* name) {
  fs::permissions(name, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}
