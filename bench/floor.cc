// The floor for the benchmark: the system calls the tool may make and no
// more. It reads "n.txt", deletes it, and writes the same "script.txt" with
// one write() per line, formatting each line by hand.

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

namespace {

// Writes the decimal digits of value, at least min_digits of them, at out.
char* put_number(char* out, int value, int min_digits) {
  char digits[12];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  while (count < min_digits) digits[count++] = '0';
  while (count > 0) *out++ = digits[--count];
  return out;
}

char* put_text(char* out, const char* text) {
  while (*text != '\0') *out++ = *text++;
  return out;
}

}  // namespace

int main() {
  char input[64] = {};
  int pages = 0;
  const int count_file = open("n.txt", O_RDONLY | O_CREAT, 0666);
  if (count_file >= 0) {
    if (read(count_file, input, sizeof input - 1) > 0) pages = std::atoi(input);
    close(count_file);
  }
  unlink("n.txt");

  const int script = open("script.txt", O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (script < 0) return 0;
  char line[64];
  for (int page = 1; page <= pages; ++page) {
    char* end = put_text(put_number(put_text(line, "select "), page, 1), "\r\n");
    if (write(script, line, static_cast<size_t>(end - line)) < 0) break;
    end = put_text(put_number(put_text(line, "save-page-with  output/"), page, 4), ".djvu\r\n");
    if (write(script, line, static_cast<size_t>(end - line)) < 0) break;
  }
  close(script);
  return 0;
}
