#!/usr/bin/env bash
# Times 10,000 short expressions through zulc (standard input, process start included)
# against the same expressions through bc -l, in one run.
# Usage: bench/zulc_vs_bc.sh [path/to/zulc]
set -euo pipefail
cd "$(dirname "$0")/.."
zulc=${1:-build/release/src/cli/zulc}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
python3 bench/make_inputs.py "$tmp"
best() {  # best of five wall-clock times in milliseconds
  local best=999999
  for _ in 1 2 3 4 5; do
    local s e ms
    s=$(date +%s%N); "$@" >/dev/null; e=$(date +%s%N)
    ms=$(( (e - s) / 1000000 ))
    [ "$ms" -lt "$best" ] && best=$ms
  done
  echo "$best"
}
z=$(best sh -c "'$zulc' < '$tmp/exprs.zul'")
b=$(best sh -c "bc -l < '$tmp/exprs.bc'")
echo "zulc: ${z} ms for 10000 expressions"
echo "bc -l: ${b} ms for 10000 expressions"
