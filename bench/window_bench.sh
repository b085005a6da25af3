#!/usr/bin/env bash
# window_bench.sh - builds window_bench, writes two volumes of 1.5 GiB of random data once, and runs it.
#
# Usage: bench/window_bench.sh   (folder: $QUILLANE_BENCH_SERIES/window, default /tmp/quillane-bench-series)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLANE_BUILD_DIR:-$root/build}
folder=${QUILLANE_BENCH_SERIES:-/tmp/quillane-bench-series}/window

"$root/scripts/build" --target window_bench >/dev/null
mkdir -p "$folder"
for volume in w.rar w.r00; do
  if [ ! -s "$folder/$volume" ]; then
    echo "window_bench: writing $folder/$volume (1.5 GiB)" >&2
    head -c 1536M /dev/urandom >"$folder/$volume.part"
    mv "$folder/$volume.part" "$folder/$volume"
  fi
done
cat "$folder"/w.* >/dev/null  # warm: what is measured is the window, not the disk
"$build/bench/window_bench" "$folder"
