#!/usr/bin/env bash
# window_bench.sh - builds window_bench, writes two volumes of 1.5 GiB of random data and a stored RAR set
# of two 1.5 GiB volumes once, and runs it: a CRC report run over the first, the archive check over the other.
#
# Usage: bench/window_bench.sh [cold]   (folders: $QUILLANE_BENCH_SERIES/window and window-rar, default
# /tmp/quillane-bench-series)
# With "cold", run as root, the page cache is dropped first, so the volumes come from the disk.
# SPDX-License-Identifier: MIT
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLANE_BUILD_DIR:-$root/build}
folder=${QUILLANE_BENCH_SERIES:-/tmp/quillane-bench-series}/window
rar_folder=$folder-rar

"$root/scripts/build" --target window_bench write_rar4_set >/dev/null
mkdir -p "$folder"
for volume in w.rar w.r00; do
  if [ ! -s "$folder/$volume" ]; then
    echo "window_bench: writing $folder/$volume (1.5 GiB)" >&2
    head -c 1536M /dev/urandom >"$folder/$volume.part"
    mv "$folder/$volume.part" "$folder/$volume"
  fi
done
if [ ! -s "$rar_folder/w.r00" ]; then
  echo "window_bench: writing the RAR set $rar_folder/w.rar, w.r00 (1.5 GiB each)" >&2
  rm -rf "$rar_folder.part" && mkdir -p "$rar_folder.part"
  "$build/bench/write_rar4_set" "$rar_folder.part" w 2 1536
  mv "$rar_folder.part" "$rar_folder"
fi
if [ "${1:-}" = cold ]; then
  [ "$(id -u)" -eq 0 ] || { echo "window_bench: a cold run drops the page cache, which needs root" >&2; exit 2; }
  sync
  echo 3 >/proc/sys/vm/drop_caches
else
  cat "$folder"/w.* "$rar_folder"/w.* >/dev/null  # warm: what is measured is the window, not the disk
fi
"$build/bench/window_bench" "$folder" "$rar_folder"
