#ifndef DJVU_SPLIT_SCRIPT_GENERATOR_H_
#define DJVU_SPLIT_SCRIPT_GENERATOR_H_

#include <cstdint>

#include "disk_interface.h"

// Calls action(page) for every page from first to last, in ascending order;
// not at all when last < first. Safe up to the largest 32-bit value, where a
// plain `page <= last; ++page` loop would overflow on its final increment.
template <typename Action>
void for_each_page(std::int32_t first, std::int32_t last, Action action) {
  if (last < first) return;
  for (std::int32_t page = first;; ++page) {
    action(page);
    if (page == last) return;
  }
}

// The whole run: reads the page count from "n.txt", deletes that file, and
// writes "script.txt" with one page entry for every page from 1 to the count.
// Failures are not reported and do not stop the run; the result, the exit
// status, is always 0.
int run_generator(DiskInterface& disk);

// The same on the host's file system.
int run_generator();

#endif  // DJVU_SPLIT_SCRIPT_GENERATOR_H_
