// Runs the whole tool on a three-page count again and again, failing the
// k-th file-system call for k = 1, 2, ... until a run goes through with no
// fault injected, and checks that every run ends normally in a state the
// tool allows: nothing lost or garbled, only cut short.

#include <gtest/gtest.h>

#include <cstddef>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "expected_script.h"
#include "generator.h"
#include "virtual_file_system.h"

namespace {

using Fault = VirtualFileSystem::Fault;
using Operation = VirtualFileSystem::Operation;

constexpr int kPages = 3;

struct SweepMode {
  const char* name;
  bool writes_only;  // counts and fails writes only; otherwise every call
  bool persistent;   // fails every counted call from the k-th on, not only the k-th
  bool cut_in_half;  // the call takes half the bytes instead of being refused
};

// One run of the tool, and what the fault policy saw of it.
struct SweepRun {
  VirtualFileSystem disk;
  std::map<std::size_t, Fault> faults;  // by index into disk.calls
  bool count_file_open_at_removal = false;
  int status = -1;

  SweepRun(const SweepMode& mode, int k) {
    disk.add_file("n.txt", "3");
    disk.add_file("script.txt", "stale script");
    disk.fault_for = [this, mode, k, counted = 0](const VirtualFileSystem::Call& call) mutable {
      if (call.operation == Operation::kRemove && disk.is_open("n.txt")) count_file_open_at_removal = true;
      if (mode.writes_only && call.operation != Operation::kWrite) return Fault::none();
      ++counted;
      if (counted != k && !(mode.persistent && counted > k)) return Fault::none();
      const Fault fault = mode.cut_in_half ? Fault::cut_short(call.size / 2) : Fault::refuse();
      faults[disk.calls.size() - 1] = fault;
      return fault;
    };
    status = run_generator(disk);
  }

  bool faulted(Operation operation, const char* name) const {
    for (const auto& [index, fault] : faults) {
      if (disk.calls[index].operation == operation && disk.calls[index].name == name) return true;
    }
    return false;
  }

  std::size_t bytes_taken(std::size_t index) const {
    const auto fault = faults.find(index);
    if (fault == faults.end()) return disk.calls[index].size;
    return fault->second.kind == Fault::Kind::kRefuse ? 0 : fault->second.limit;
  }
};

std::vector<std::string> lines_of(const std::string& script) {
  std::vector<std::string> lines;
  for (std::size_t begin = 0; begin < script.size();) {
    const std::size_t end = script.find('\n', begin) + 1;
    lines.push_back(script.substr(begin, end - begin));
    begin = end;
  }
  return lines;
}

// The script's writes: whole lines in order until one fails; after that,
// each write offers exactly the bytes still held from the failed one.
void check_script(const SweepRun& run) {
  const std::string full = expected_script(kPages);
  const std::string& contents = run.disk.files.at("script.txt").contents;
  if (run.faulted(Operation::kCreate, "script.txt")) {
    EXPECT_EQ(contents, "stale script");
    EXPECT_TRUE(run.disk.writes_offered("script.txt").empty());
    return;
  }

  const std::vector<std::string> lines = lines_of(full);
  std::string written;
  std::string held;
  bool failed = false;
  std::size_t writes = 0;
  for (std::size_t index = 0; index < run.disk.calls.size(); ++index) {
    const VirtualFileSystem::Call& call = run.disk.calls[index];
    if (call.operation != Operation::kWrite) continue;
    if (failed) {
      EXPECT_EQ(call.offered, held) << "write " << writes + 1 << " after a failed one";
    } else {
      ASSERT_LT(writes, lines.size()) << "more writes than lines";
      EXPECT_EQ(call.offered, lines[writes]) << "write " << writes + 1;
    }
    const std::size_t taken = run.bytes_taken(index);
    written += call.offered.substr(0, taken);
    if (!failed && taken < call.offered.size()) {
      failed = true;
      held = call.offered.substr(taken);
    } else if (failed) {
      held = held.substr(taken);
    }
    ++writes;
  }

  EXPECT_EQ(contents, written);
  EXPECT_EQ(full.compare(0, contents.size(), contents), 0) << "not a prefix of the script: " << contents;
  if (!failed) {
    const bool count_lost = run.faulted(Operation::kOpen, "n.txt") || run.faulted(Operation::kRead, "n.txt");
    EXPECT_EQ(contents, count_lost && contents.empty() ? "" : full);
    EXPECT_TRUE(writes == 0 || writes == lines.size()) << writes << " writes";
  } else if (!held.empty()) {
    // Bytes still held at the end were offered at every flush and the
    // close, which shows that the page loop ran to its end.
    EXPECT_EQ(writes, lines.size() + 1);
  }
}

void check_run(const SweepRun& run) {
  EXPECT_EQ(run.status, 0);
  EXPECT_FALSE(run.count_file_open_at_removal) << "n.txt deleted while open";
  int removals = 0;
  for (const VirtualFileSystem::Call& call : run.disk.calls) {
    if (call.operation == Operation::kRemove) ++removals;
  }
  EXPECT_EQ(removals, 1);
  EXPECT_EQ(run.disk.exists("n.txt"), run.faulted(Operation::kRemove, "n.txt"));
  EXPECT_FALSE(run.disk.is_open("n.txt"));
  EXPECT_FALSE(run.disk.is_open("script.txt"));
  check_script(run);
}

TEST(FaultSweep, EveryRunEndsNormallyWithTheScriptCutShortAtWorst) {
  const SweepMode modes[] = {
      {"every call, refused once", false, false, false},
      {"every call, refused from then on", false, true, false},
      {"writes, half taken once", true, false, true},
      {"writes, half taken from then on", true, true, true},
  };
  std::size_t total_faults = 0;
  for (const SweepMode& mode : modes) {
    std::size_t runs = 0;
    std::size_t faults = 0;
    for (int k = 1;; ++k) {
      SCOPED_TRACE(std::string(mode.name) + ", k = " + std::to_string(k));
      const SweepRun run(mode, k);
      check_run(run);
      if (run.faults.empty()) break;
      ++runs;
      faults += run.faults.size();
      ASSERT_LT(k, 1000) << "the sweep does not end";
    }
    std::cout << "[ sweep    ] " << mode.name << ": " << runs << " runs with faults, " << faults
              << " faults injected\n";
    EXPECT_GT(runs, 0U);
    total_faults += faults;
  }
  std::cout << "[ sweep    ] " << total_faults << " faults injected in all\n";
}

}  // namespace
