#!/bin/sh
# convertcp.exe against iconv, side by side on the same 150 MB documents:
#   code page 1251 -> 65001 against iconv -f CP1251 -t UTF-8
#   code page 54936 -> 65001 against iconv -f GB18030 -t UTF-8
# Prints the median time of each over several rounds and the ratio iconv / convertcp.
# The files live in memory (/dev/shm when there is one) so the disk's write-back does
# not drown the conversion; each output file is removed before a round, so both tools
# always write a new file.
# Usage: bench/convertcp_bench.sh [path to convertcp.exe] [rounds] [megabytes]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
convertcp=${1:-$here/../build/bin/convertcp.exe}
rounds=${2:-5}
megabytes=${3:-150}
export LC_ALL=C
base=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && base=/dev/shm
work=$(mktemp -d "$base/convertcp-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

# Mostly ASCII HTML lines of search links with words of the code page, like the
# program's documents, repeated up to the size asked for.
python3 - "$work" "$megabytes" <<'PY'
import random, sys
work, megabytes = sys.argv[1], int(sys.argv[2])
rng = random.Random(7)
words = {
    "cp1251": ["красные", "туфли", "Москва", "купить", "недорого", "доставка", "ёлка", "Щука"],
    "gb18030": ["红色", "鞋子", "北京", "购买", "便宜", "送货", "圣诞树", "𠀀字"],
}
for codec, vocabulary in words.items():
    lines = []
    for n in range(6000):
        query = "+".join(rng.sample(vocabulary, 2))
        site = f"www.site{n % 97}.example.com/path/{n}/index.html"
        lines.append(f'<a href="https://www.google.com/search?q={query}+site:{site}">{site}</a> '
                     f'{rng.choice(vocabulary)}<br>\r\n')
    block = "".join(lines).encode(codec)
    with open(f"{work}/{codec}.txt", "wb") as out:
        for _ in range(megabytes * 1024 * 1024 // len(block) + 1):
            out.write(block)
PY

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One round of one command: appends "elapsed cpu" seconds to the file $1. The processor
# time (user + system) is steadier than the elapsed time on a busy machine.
timed() {
  log=$1
  shift
  /usr/bin/time -f '%e %U %S' -o "$work/time" "$@"
  awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' "$work/time" >> "$log"
}

compare() {
  page=$1 iconv_name=$2 input=$3
  cat "$input" > /dev/null  # warm the cache
  : > "$work/ours"
  : > "$work/theirs"
  for _ in $(seq "$rounds"); do
    rm -f "$work/out.txt"
    timed "$work/ours" "$convertcp" "$page" 65001 /i "$input" /o "$work/out.txt"
    rm -f "$work/out.txt"
    timed "$work/theirs" sh -c 'iconv -f "$0" -t UTF-8 "$1" > "$2"' "$iconv_name" "$input" "$work/out.txt"
  done
  ours=$(cut -d' ' -f1 "$work/ours" | median)
  theirs=$(cut -d' ' -f1 "$work/theirs" | median)
  ours_cpu=$(cut -d' ' -f2 "$work/ours" | median)
  theirs_cpu=$(cut -d' ' -f2 "$work/theirs" | median)
  size=$(wc -c < "$input")
  printf '%-5s %4d MB  elapsed: convertcp %6.3f s, iconv %6.3f s, iconv/convertcp %5.2f\n' \
    "$page" $((size / 1048576)) "$ours" "$theirs" "$(echo "$theirs / $ours" | bc -l)"
  printf '%-5s %4s     cpu:     convertcp %6.3f s, iconv %6.3f s, iconv/convertcp %5.2f\n' \
    "" "" "$ours_cpu" "$theirs_cpu" "$(echo "$theirs_cpu / $ours_cpu" | bc -l)"
}

echo "median of $rounds rounds, LC_ALL=C, files in $base"
compare 1251 CP1251 "$work/cp1251.txt"
compare 54936 GB18030 "$work/gb18030.txt"
