// What only Windows shows: sharing between handles and the read-only attribute.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "disk_interface.h"
#include "expected_script.h"
#include "generator.h"
#include "scratch_directory.h"

namespace {

namespace fs = std::filesystem;

constexpr DWORD kReadersOnly = FILE_SHARE_READ;
constexpr DWORD kReadersAndWriters = FILE_SHARE_READ | FILE_SHARE_WRITE;

HANDLE open_existing(const char* name, DWORD access, DWORD share) {
  return CreateFileA(name, access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

class RealDiskInterfaceOnWindows : public ScratchDirectoryTest {};

TEST_F(RealDiskInterfaceOnWindows, CreatesOrdinaryFilesThatOthersMayReadAndWriteButNotDeleteOrRename) {
  const struct {
    const char* name;
    std::optional<FileHandle> (*open)(RealDiskInterface&, const char*);
  } cases[] = {
      {"n.txt",
       [](RealDiskInterface& disk, const char* name) { return disk.open_or_create_for_reading(name); }},
      {"script.txt",
       [](RealDiskInterface& disk, const char* name) { return disk.create_or_empty_for_writing(name); }},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    RealDiskInterface disk;
    const std::optional<FileHandle> file = test.open(disk, test.name);
    ASSERT_TRUE(file.has_value());

    const DWORD attributes = GetFileAttributesA(test.name);
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                            FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_TEMPORARY),
              0U);

    for (const DWORD access : {DWORD{GENERIC_READ}, DWORD{GENERIC_WRITE}}) {
      const HANDLE other = open_existing(test.name, access, kReadersAndWriters);
      EXPECT_NE(other, INVALID_HANDLE_VALUE) << "access " << access;
      if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
    }
    EXPECT_FALSE(DeleteFileA(test.name));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(MoveFileA(test.name, "renamed.txt"));

    EXPECT_TRUE(disk.close(*file));
    EXPECT_TRUE(disk.remove_file(test.name));
    EXPECT_FALSE(fs::exists(test.name));
  }
}

class WholeRunOnWindows : public ScratchDirectoryTest {};

TEST_F(WholeRunOnWindows, GivesWayToOtherHandlesAndToTheReadOnlyAttribute) {
  enum class Hurdle { held_open, read_only };
  enum class Script { empty, as_before, seven_pages };
  const struct {
    const char* label;
    const char* name;
    Hurdle hurdle;
    DWORD share;
    Script script;
    bool count_file_stays;
  } cases[] = {
      {"count file held unshared: no count", "n.txt", Hurdle::held_open, 0, Script::empty, true},
      {"count file held shared: read but not deleted", "n.txt", Hurdle::held_open, kReadersAndWriters,
       Script::seven_pages, true},
      {"read-only count file: read but not deleted", "n.txt", Hurdle::read_only, 0, Script::seven_pages,
       true},
      {"script held for readers only: left alone", "script.txt", Hurdle::held_open, kReadersOnly,
       Script::as_before, false},
      {"script held shared: rewritten", "script.txt", Hurdle::held_open, kReadersAndWriters,
       Script::seven_pages, false},
      {"read-only script: left alone", "script.txt", Hurdle::read_only, 0, Script::as_before, false},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.label);
    write_file("n.txt", "7");
    write_file("script.txt", "earlier script");

    HANDLE other = INVALID_HANDLE_VALUE;
    if (test.hurdle == Hurdle::held_open) {
      other = open_existing(test.name, GENERIC_READ, test.share);
      ASSERT_NE(other, INVALID_HANDLE_VALUE);
    } else {
      ASSERT_TRUE(SetFileAttributesA(test.name, FILE_ATTRIBUTE_READONLY));
    }

    EXPECT_EQ(run_generator(), 0);

    if (test.hurdle == Hurdle::held_open) {
      CloseHandle(other);
    } else {
      EXPECT_NE(GetFileAttributesA(test.name) & FILE_ATTRIBUTE_READONLY, 0U);
      SetFileAttributesA(test.name, FILE_ATTRIBUTE_NORMAL);
    }
    const std::string script = read_file("script.txt");
    switch (test.script) {
      case Script::empty:
        EXPECT_EQ(script, "");
        break;
      case Script::as_before:
        EXPECT_EQ(script, "earlier script");
        break;
      case Script::seven_pages:
        EXPECT_TRUE(same_bytes(script, expected_script(7)));
        break;
    }
    EXPECT_EQ(fs::exists("n.txt"), test.count_file_stays);
    if (test.count_file_stays) {
      EXPECT_EQ(read_file("n.txt"), "7");
    }
    fs::remove("n.txt");
    fs::remove("script.txt");
  }
}

}  // namespace
