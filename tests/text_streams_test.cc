#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text_reader.h"
#include "text_writer.h"
#include "virtual_file_system.h"

namespace {

using namespace std::string_literals;
using Fault = VirtualFileSystem::Fault;
using Operation = VirtualFileSystem::Operation;
using Strings = std::vector<std::string>;

std::string read_all(TextReader& reader) {
  std::string text;
  for (std::optional<char> c = reader.peek(); c; c = reader.peek()) {
    text += *c;
    reader.advance();
  }
  return text;
}

TEST(TextReader, ReadsCarriageReturnLineFeedAsLineFeedAndStopsAt1A) {
  struct Case {
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {"a\r\nb\r\n", "a\nb\n"},
      {"a\rb", "a\rb"},
      {"\r", "\r"},
      {"\r\r\n\n\r", "\r\n\n\r"},
      {"x\x1Ay", "x"},
      {"\r\x1A\n", "\r"},
      {"\0\x80\xFF\n"s, "\0\x80\xFF\n"s},
      {std::string(511, 'a') + "\r\n\r\n", std::string(511, 'a') + "\n\n"},
  };
  // A pair split across two reads must still read as one line feed.
  for (const std::size_t read_size : {std::size_t{512}, std::size_t{1}, std::size_t{2}, std::size_t{3}}) {
    for (const Case& test : cases) {
      SCOPED_TRACE(testing::Message() << testing::PrintToString(test.bytes) << ", reads of " << read_size);
      VirtualFileSystem disk;
      disk.add_file("f", test.bytes);
      disk.fault_for = VirtualFileSystem::on_each(Operation::kRead,
                                                  [read_size](int) { return Fault::cut_short(read_size); });
      TextReader reader(disk);
      reader.open_or_create("f");

      EXPECT_EQ(read_all(reader), test.text);
    }
  }
}

TEST(TextReader, EndsTheTextAtAReadErrorAndReadsNoFurther) {
  VirtualFileSystem disk;
  disk.add_file("f", "abcdef");
  disk.fault_for = VirtualFileSystem::on_each(
      Operation::kRead, [](int n) { return n == 1 ? Fault::cut_short(2) : Fault::refuse(); });
  TextReader reader(disk);
  reader.open_or_create("f");

  EXPECT_EQ(read_all(reader), "ab");
  EXPECT_FALSE(reader.peek());
  EXPECT_EQ(disk.call_log(), (Strings{"open f", "read f", "read f"}));
}

TEST(TextReader, ClosesItsFileOnceAndReadsAsEmptyWhenTheOpenIsRefused) {
  VirtualFileSystem disk;
  disk.add_file("f", "12");
  {
    TextReader reader(disk);
    reader.open_or_create("f");
    reader.close();
  }
  EXPECT_EQ(disk.call_log(), (Strings{"open f", "close f"}));

  disk.calls.clear();
  disk.fault_for = [](const VirtualFileSystem::Call&) { return Fault::refuse(); };
  TextReader refused(disk);
  refused.open_or_create("f");
  EXPECT_FALSE(refused.peek());
  refused.close();
  EXPECT_EQ(disk.call_log(), Strings{"open f"});
}

TEST(TextWriter, StoresLineFeedAsCarriageReturnLineFeedInOneWritePerFlush) {
  VirtualFileSystem disk;
  {
    TextWriter writer(disk);
    writer.create_or_empty("f");
    writer.write("one\n");
    writer.write("two");
    writer.write("\n");
    writer.flush();
    writer.flush();  // nothing held: no write
    writer.write("three\n");
    writer.flush();
  }
  EXPECT_EQ(disk.files["f"].contents, "one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(disk.writes_offered("f"), (Strings{"one\r\ntwo\r\n", "three\r\n"}));
  EXPECT_FALSE(disk.is_open("f"));
}

TEST(TextWriter, WritesOutAFullBufferWithoutSplittingALineEnd) {
  const std::string a511(511, 'a');
  const std::string a512(512, 'a');
  const struct {
    std::string text;
    Strings offered;
  } cases[] = {
      // The CR LF does not fit behind 511 bytes, so those go out first.
      {a511 + "\nb\n", {a511, "\r\nb\r\n"}},
      // One run of text longer than the buffer fills it again and again.
      {a512 + a512 + "aaa\n", {a512, a512, "aaa\r\n"}},
      {a512 + "\n", {a512, "\r\n"}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.text.size());
    VirtualFileSystem disk;
    {
      TextWriter writer(disk);
      writer.create_or_empty("f");
      writer.write(test.text);
    }
    std::string stored;
    for (const std::string& write : test.offered) stored += write;
    EXPECT_EQ(disk.files["f"].contents, stored);
    EXPECT_EQ(disk.writes_offered("f"), test.offered);
  }
}

// Writes fail as the test says; the writer then gets "hello\n", a flush,
// "world\n", a flush, and the close.
struct WriteFailureCase {
  const char* what;
  std::function<Fault(int write_number)> fault_for_write;
  std::string on_disk;
  Strings offered;
};

TEST(TextWriter, KeepsWhatTheFileDidNotTakeAndOffersItAgainAtEveryFlushAndTheClose) {
  const WriteFailureCase cases[] = {
      {"no failure", [](int) { return Fault::none(); }, "hello\r\nworld\r\n", {"hello\r\n", "world\r\n"}},
      {"first write short",
       [](int n) { return n == 1 ? Fault::cut_short(3) : Fault::none(); },
       "hello\r\n",
       {"hello\r\n", "lo\r\n"}},
      {"first write refused",
       [](int n) { return n == 1 ? Fault::refuse() : Fault::none(); },
       "hello\r\n",
       {"hello\r\n", "hello\r\n"}},
      {"every write refused",
       [](int) { return Fault::refuse(); },
       "",
       {"hello\r\n", "hello\r\n", "hello\r\n"}},
      {"short, then refused",
       [](int n) { return n == 1 ? Fault::cut_short(2) : Fault::refuse(); },
       "he",
       {"hello\r\n", "llo\r\n", "llo\r\n"}},
      {"short twice",
       [](int n) { return n <= 2 ? Fault::cut_short(2) : Fault::none(); },
       "hello\r\n",
       {"hello\r\n", "llo\r\n", "o\r\n"}},
      {"second write short",
       [](int n) { return n == 2 ? Fault::cut_short(1) : Fault::none(); },
       "hello\r\nworld\r\n",
       {"hello\r\n", "world\r\n", "orld\r\n"}},
  };
  for (const WriteFailureCase& test : cases) {
    SCOPED_TRACE(test.what);
    VirtualFileSystem disk;
    disk.fault_for = VirtualFileSystem::on_each(Operation::kWrite, test.fault_for_write);
    {
      TextWriter writer(disk);
      writer.create_or_empty("f");
      writer.write("hello\n");
      writer.flush();
      writer.write("world\n");
      writer.flush();
    }
    EXPECT_EQ(disk.files["f"].contents, test.on_disk);
    EXPECT_EQ(disk.writes_offered("f"), test.offered);
    EXPECT_FALSE(disk.is_open("f"));
  }
}

TEST(TextWriter, LeavesAFileItCannotOpenAsItWasAndCallsNothingMore) {
  VirtualFileSystem disk;
  disk.add_file("f", "kept", true);
  {
    TextWriter writer(disk);
    writer.create_or_empty("f");
    writer.write(std::string(2000, 'x'));
    writer.flush();
  }
  EXPECT_EQ(disk.files["f"].contents, "kept");
  EXPECT_EQ(disk.call_log(), Strings{"create f"});
}

}  // namespace
