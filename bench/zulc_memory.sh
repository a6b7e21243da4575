#!/usr/bin/env bash
# Peak resident memory of zulc over batches of distinct expressions on standard input
# (250,000, one million, two million lines) and over one line of 200 MB, which zulc
# refuses without holding it. Usage: bench/zulc_memory.sh [path/to/zulc]
set -euo pipefail
cd "$(dirname "$0")/.."
zulc=${1:-build/release/src/cli/zulc}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
peak() {  # peak resident set in MB of zulc reading the file
  /usr/bin/time -f '%M' -o "$tmp/rss" "$zulc" < "$1" > /dev/null || true
  echo $(( $(tail -n 1 "$tmp/rss") / 1024 ))
}
for n in 250000 1000000 2000000; do
  awk -v n="$n" 'BEGIN { for (i = 1; i <= n; i++) printf "%d.5*3-%d\n", i % 9973, i }' > "$tmp/lines"
  echo "zulc, $n distinct lines: $(peak "$tmp/lines") MB peak"
done
head -c 200000000 /dev/zero | tr '\0' '1' > "$tmp/long"
echo "2+2" >> "$tmp/long"
echo "zulc, one line of 200 MB: $(peak "$tmp/long") MB peak"
