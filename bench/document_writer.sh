#!/usr/bin/env bash
# The document writer against awk doing the same transformation (trim, lower-case, one
# link line per line containing "http"), side by side, several rounds; and the writer's
# peak memory for a 5 MB and a 50 MB list.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${ROUNDS:-5}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target document_writer >/dev/null
writer="$PWD/build/bin/document_writer"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 bench/generate_list.py "$work/list.txt" 1000000
python3 bench/generate_list.py "$work/small.txt" 100000
cat "$work/list.txt" >/dev/null  # warm the cache

awk_program='{ sub(/\r$/, ""); gsub(/^ +| +$/, ""); a = tolower($0);
  if (index(a, "http") > 0) printf "<a href=\"http://www.google.com/search?q=red shoes site:%s\">%s</a>\r\n", a, a }'

# "wall cpu" seconds of a command: the machine is shared, so processor time is quoted too.
# seconds OUT COMMAND...: runs the command with its output into OUT, prints "wall cpu".
seconds() {
  local out=$1; shift
  /usr/bin/time -f "%e %U %S" -o time.tmp "$@" >"$out"
  awk '{ printf "%s %.3f\n", $1, $2 + $3 }' time.tmp
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
column_median() { awk -v c="$1" '{ print $c }' "$2" | median; }

cd "$work"
for _ in $(seq "$rounds"); do
  seconds /dev/null "$writer" list.txt "red shoes" >>writer.times
  seconds awk.out env LC_ALL=C awk "$awk_program" list.txt >>awk.times
done
links=$(($(wc -l <search_in.htm) - 43))
[ "$links" -eq "$(wc -l <awk.out)" ] || echo "warning: writer gave $links links, awk $(wc -l <awk.out)"
w=$(column_median 1 writer.times); wc=$(column_median 2 writer.times)
a=$(column_median 1 awk.times); ac=$(column_median 2 awk.times)
peak() { /usr/bin/time -v "$writer" "$1" "red shoes" 2>&1 >/dev/null | awk -F: '/Maximum resident/ { gsub(/ /, "", $2); print $2 }'; }

printf '%-40s %8s %8s\n' "median of $rounds rounds" "wall s" "cpu s"
printf '%-40s %8.3f %8.3f\n' "document writer, 1M lines, $(du -m list.txt | cut -f1) MB" "$w" "$wc"
printf '%-40s %8.3f %8.3f\n' "awk ($(readlink -f "$(command -v awk)" | xargs basename)), same transformation" "$a" "$ac"
printf '%-40s %8.1f %8.1f\n' "awk / writer (times faster)" "$(echo "$a / $w" | bc -l)" "$(echo "$ac / $wc" | bc -l)"
printf '%-40s %8s KB\n' "writer peak memory, $(du -m small.txt | cut -f1) MB list" "$(peak small.txt)"
printf '%-40s %8s KB\n' "writer peak memory, $(du -m list.txt | cut -f1) MB list" "$(peak list.txt)"
