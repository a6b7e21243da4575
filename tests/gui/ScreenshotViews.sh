#!/usr/bin/env bash
# Drives every view of zul_screenshots as scripts/screenshots does, under one Xvfb, each in
# a start folder of its own, and checks that each one wrote a PNG.
# Usage: ScreenshotViews.sh path/to/zul_screenshots
set -euo pipefail
tool="$1"
if ! command -v xvfb-run >/dev/null; then
  echo "SKIPPED: xvfb-run is not installed (scripts/setup installs it for the tests)"
  exit 0
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
views="$("$tool" --list)"
[ -n "$views" ] || { echo "no views listed"; exit 1; }
export TOOL="$tool" WORK="$work" VIEWS="$views"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  failed=0
  for view in $VIEWS; do
    mkdir -p "$WORK/$view"
    (cd "$WORK/$view" && ZUL_SCREENSHOT="$view:$WORK/$view.png" XDG_RUNTIME_DIR="$WORK" "$TOOL" >/dev/null 2>&1) ||
      { echo "$view: the tool failed"; failed=1; continue; }
    if [ "$(head -c 4 "$WORK/$view.png" | od -An -c | tr -d " ")" != "211PNG" ]; then
      echo "$view: no PNG written"; failed=1
    fi
  done
  exit $failed'
echo "views: $(echo $views | wc -w)"
