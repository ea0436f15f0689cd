# The benchmark's bash contender: the same script with a printf loop.
pages=$(< n.txt)
rm n.txt
for ((page = 1; page <= pages; page++)); do
  printf 'select %d\r\nsave-page-with  output/%04d.djvu\r\n' "$page" "$page"
done > script.txt
