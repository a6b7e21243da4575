#!/usr/bin/env bash
# Measures the start of the desktop calculator under Xvfb: the time from launching `zul`
# to the first paint of its main window, and its resident memory at that moment.
# Usage: bench/zul_startup.sh [path/to/zul] [runs]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
zul="${1:-$here/build-gui/src/zul}"
runs="${2:-15}"
[ -x "$zul" ] || { echo "zul_startup: no program at $zul (build it first)" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# One Xvfb for all runs; each run starts zul afresh in an empty start directory.
xvfb-run -a -s "-screen 0 1280x1024x24" python3 - "$zul" "$runs" "$work" <<'PY'
import os, statistics, subprocess, sys, time
zul, runs, work = sys.argv[1], int(sys.argv[2]), sys.argv[3]
env = dict(os.environ, ZUL_STARTUP_PROBE="1", XDG_RUNTIME_DIR=work)
times, rss = [], []
phases = {}
for i in range(runs + 1):
    start = time.monotonic()  # CLOCK_MONOTONIC, the clock the probe prints
    out = subprocess.run([zul], cwd=work, env=env, capture_output=True, text=True, timeout=30).stdout
    fields = dict(line.split(" ", 1) for line in out.splitlines() if " " in line)
    if i == 0:
        continue  # the first run warms the disk cache and fontconfig's cache
    times.append((float(fields["shown"]) - start) * 1000.0)
    for name in ("main", "application", "windows"):
        if name in fields:
            phases.setdefault(name, []).append((float(fields[name]) - start) * 1000.0)
    rss.append(int(fields["rss_kb"]) / 1024.0)
print(f"runs: {runs}")
print(f"launch to main window painted: median {statistics.median(times):.1f} ms, "
      f"min {min(times):.1f} ms, max {max(times):.1f} ms")
for name, values in phases.items():
    print(f"  {name} reached after {statistics.median(values):.1f} ms (median)")
print(f"resident memory after start: median {statistics.median(rss):.1f} MB, max {max(rss):.1f} MB")
PY
