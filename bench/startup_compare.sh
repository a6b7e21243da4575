#!/usr/bin/env bash
# Times the start of zul and of another Qt desktop calculator (SpeedCrunch, Debian package
# "speedcrunch") in one run under one Xvfb: from launch until a visible window with the
# program's title is mapped (polled with xdotool), and the resident memory at that moment.
# Needs: xvfb, xdotool, speedcrunch (apt-get install xdotool speedcrunch).
# Usage: bench/startup_compare.sh [path/to/zul] [runs]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
zul="$(realpath "${1:-$here/build/release/src/zul}")"
runs="${2:-10}"
for tool in xvfb-run xdotool python3; do
  command -v "$tool" >/dev/null || { echo "startup_compare: $tool is missing" >&2; exit 2; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" python3 - "$zul" "$runs" "$work" <<'PY'
import os, shutil, statistics, subprocess, sys, time
zul, runs, work = sys.argv[1], int(sys.argv[2]), sys.argv[3]
env = dict(os.environ, XDG_RUNTIME_DIR=work, HOME=work)

def visible(pid):
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                       capture_output=True, text=True)
    return r.returncode == 0 and r.stdout.strip() != ""

def rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return 0.0

def measure(cmd):
    times, mems = [], []
    for i in range(runs + 1):
        start = time.monotonic()
        p = subprocess.Popen(cmd, cwd=work, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        while not visible(p.pid):
            if time.monotonic() - start > 20 or p.poll() is not None:
                break
            time.sleep(0.002)
        shown = (time.monotonic() - start) * 1000.0
        time.sleep(0.3)
        mem = rss_mb(p.pid) if p.poll() is None else 0.0
        p.kill(); p.wait()
        if i:  # the first run warms the caches
            times.append(shown); mems.append(mem)
    return statistics.median(times), max(times), statistics.median(mems)

programs = [("zul", [zul])]
if shutil.which("speedcrunch"):
    programs.append(("speedcrunch", ["speedcrunch"]))
else:
    print("speedcrunch is not installed: measuring zul alone")
for name, cmd in programs:
    med, worst, mem = measure(cmd)
    print(f"{name:12s} window shown: median {med:6.1f} ms, worst {worst:6.1f} ms; resident {mem:5.1f} MB")
PY
