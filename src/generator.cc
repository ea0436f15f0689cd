#include "generator.h"

#include "page_count_file.h"
#include "split_script_file.h"
#include "text_reader.h"
#include "text_writer.h"

int run_generator(DiskInterface& disk) {
  // Declared in this order so that the script closes first.
  TextReader page_count_stream(disk);
  TextWriter split_script(disk);

  // Kept when "n.txt" holds no count, so such a run writes an empty script.
  std::int32_t page_count = 0;
  read_page_count(page_count_stream, page_count);
  delete_page_count_file(disk);

  open_split_script(split_script);
  for_each_page(1, page_count, [&split_script](std::int32_t page) { write_page_entry(split_script, page); });
  return 0;
}

int run_generator() {
  RealDiskInterface disk;
  return run_generator(disk);
}
