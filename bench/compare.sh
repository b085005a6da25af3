#!/usr/bin/env bash
# compare.sh - times quillane-check --sfv against the SFV checkers users pick instead and against cat, warm and cold;
# and with an .md5 or .sha256 list, against md5sum -c and sha256sum -c.
#
# Usage: bench/compare.sh [ROUNDS]   (default 5; series folder: $QUILLANE_BENCH_SERIES)
#        bench/compare.sh --archive [ROUNDS]   quillane-check --archive beside --crc and cat only, on a
#        set of 20 stored RAR volumes of 100 MiB that bench/write_rar4_set writes (once)
# Makes (once) two series of random data with an SFV file each, 20 volumes of 100 MiB and 3 of
# 1.5 GiB, and a folder of 10 series of 10 volumes of 100 MiB, outside the repository (16.5 GiB
# in all). Every command runs once per round, interleaved and in a rotating order: first right
# after the series was read into the page cache, then from the disk: as root, sync and the whole
# page cache dropped before each command; otherwise each volume's pages dropped with
# posix_fadvise(DONTNEED) (dd iflag=nocache), which the output says. The folder is checked with
# --all against cat of all its volumes. Prints for each the medians, the ratios to
# quillane-check and to cat, the CPU time and the peak memory.
# SPDX-License-Identifier: MIT
set -euo pipefail
archive_only=
if [ "${1:-}" = --archive ]; then
  archive_only=1
  shift
fi
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-5}
series_root=${QUILLANE_BENCH_SERIES:-/tmp/quillane-bench-series}
build=${QUILLANE_BUILD_DIR:-$root/build}

if [ -n "$archive_only" ]; then "$root/scripts/setup" time; else "$root/scripts/setup" cksfv rhash 7zip time; fi
"$root/scripts/build" --target quillane-check write_rar4_set >/dev/null
check="$build/cli/quillane-check"

# Writes (once) NAME.rar, NAME.r00 ... in DIR, COUNT volumes of SIZE MiB, and NAME.sfv.
make_series() {
  local dir=$1 name=$2 count=$3 size=$4 v
  volumes=("$name.rar")
  for ((i = 0; i < count - 1; i++)); do volumes+=("$(printf '%s.r%02d' "$name" "$i")"); done
  mkdir -p "$dir"
  cd "$dir"
  if [ ! -s "$name.sfv" ]; then
    echo "compare: writing $count volumes of $size MiB into $dir" >&2
    for v in "${volumes[@]}"; do head -c "${size}M" /dev/urandom >"$v"; done
    # CRLF line ends: the form every checker here reads.
    cksfv -q "${volumes[@]}" | sed 's/$/\r/' >"$name.sfv.part"
    mv "$name.sfv.part" "$name.sfv"
  fi
}

can_drop_caches() { (sync && echo 3 >/proc/sys/vm/drop_caches) 2>/dev/null; }
median() { tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Times every command of the series in the current folder; $1 is warm or cold.
time_commands() {
  local cache=$1 round k i start end user system kib
  local -A wall cpu peak
  for ((round = 0; round < rounds; round++)); do
    for ((k = 0; k < ${#names[@]}; k++)); do
      i=$(((round + k) % ${#names[@]}))
      declare -n command="command$i"
      if [ "$cache" = warm ]; then
        cat "${volumes[@]}" >/dev/null  # the page cache forgets files left alone for a while
      else
        drop_cache
      fi
      start=$(date +%s%N)
      /usr/bin/time -f '%U %S %M' -o "$usage" "${command[@]}" >/dev/null 2>&1
      end=$(date +%s%N)
      read -r user system kib <"$usage"
      wall[$i]+="$(awk -v n=$((end - start)) 'BEGIN { printf "%.3f ", n / 1e9 }')"
      cpu[$i]+="$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f ", u + s }')"
      [ "$kib" -gt "${peak[$i]:-0}" ] && peak[$i]=$kib
    done
  done

  local -a wall_median cpu_median
  for i in "${!names[@]}"; do
    wall_median[$i]=$(echo "${wall[$i]}" | median)
    cpu_median[$i]=$(echo "${cpu[$i]}" | median)
  done
  local cat_index=$((${#names[@]} - 1))
  local how=""
  [ "$cache" = cold ] && how=" ($cold_how)"
  echo "$description, page cache $cache$how; medians of $rounds interleaved rounds on $(nproc) cores (load average before: $load)"
  printf '%-22s %7s %7s %6s %7s %9s   %s\n' command "wall s" "x quil" "x cat" "cpu s" "peak MiB" "wall s of every round"
  for i in "${!names[@]}"; do
    printf '%-22s %7.3f %7s %6s %7.2f %9d   %s\n' "${names[$i]}" "${wall_median[$i]}" \
      "$(ratio "${wall_median[$i]}" "${wall_median[0]}")" "$(ratio "${wall_median[$i]}" "${wall_median[$cat_index]}")" \
      "${cpu_median[$i]}" $((peak[$i] / 1024)) "${wall[$i]}"
  done
  echo
}

# Empties the page cache of the volumes: all of it where allowed, else file by file.
drop_cache() {
  sync
  if [ "$whole_cache" = yes ]; then
    echo 3 >/proc/sys/vm/drop_caches
  else
    for v in "${volumes[@]}"; do dd if="$v" iflag=nocache count=0 status=none; done
  fi
}

# Times the commands warm, then cold.
time_warm_and_cold() {
  load=$(cut -d' ' -f1 /proc/loadavg)
  time_commands warm
  load=$(cut -d' ' -f1 /proc/loadavg)
  time_commands cold
}

# A checker that is fast but wrong says nothing: commands 0 to $2 must accept the series $1 first.
# Then sets the description of the series, with $3 after it, and the load average before timing.
accept_all() {
  local name=$1 last=$2 i
  for ((i = 0; i <= last; i++)); do
    declare -n command="command$i"
    "${command[@]}" >/dev/null 2>&1 || { echo "compare: '${names[$i]}' did not accept $name" >&2; exit 1; }
  done
  description="${#volumes[@]} volumes, $(du -cm "${volumes[@]}" | tail -1 | cut -f1) MiB$3"
  load=$(cut -d' ' -f1 /proc/loadavg)
}

# Checks one series warm, then cold when the page cache can be dropped.
compare_series() {
  local name=$1
  names=("quillane-check --sfv" "cksfv -f" "rhash -c" "7zz h -scrcCRC32" "cat (the floor)")
  command0=("$check" --sfv "$name.sfv" "$name.rar")
  command1=(cksfv -q -f "$name.sfv")
  command2=(rhash -c "$name.sfv")
  command3=(7zz h -scrcCRC32 "${volumes[@]}")
  command4=(cat "${volumes[@]}")
  accept_all "$name" 3 ""
  time_warm_and_cold
}

# Writes (once) the stored RAR set NAME.rar, NAME.r00 ... in DIR: COUNT volumes of SIZE MiB of data.
make_rar_set() {
  local dir=$1 name=$2 count=$3 size=$4
  volumes=("$name.rar")
  for ((i = 0; i < count - 1; i++)); do volumes+=("$(printf '%s.r%02d' "$name" "$i")"); done
  mkdir -p "$dir"
  cd "$dir"
  if [ ! -s "${volumes[-1]}" ] || [ "$(stat -c %s "${volumes[-1]}")" != "$(stat -c %s "$name.rar")" ]; then
    echo "compare: writing $count stored RAR volumes of $size MiB into $dir" >&2
    "$build/bench/write_rar4_set" "$dir" "$name" "$count" "$size"
  fi
}

# The archive's own checksums against a CRC report of the same set: the first is the ratio's base.
compare_archive() {
  local name=$1
  names=("quillane-check --crc" "quillane-check --archive" "cat (the floor)")
  command0=("$check" --crc "$name.rar")
  command1=("$check" --archive "$name.rar")
  command2=(cat "${volumes[@]}")
  "${command1[@]}" >/dev/null 2>&1 || { echo "compare: --archive did not accept $name" >&2; exit 1; }
  description="${#volumes[@]} stored RAR volumes, $(du -cm "${volumes[@]}" | tail -1 | cut -f1) MiB"
  time_warm_and_cold
}

# Checks every series of the folder of series in one --all run.
compare_folder() {
  local dir=$1 k v
  volumes=()
  for k in "${!folder_series[@]}"; do
    for v in "${folder_volumes[@]/#/s$k/s$k}"; do volumes+=("$v"); done
  done
  cd "$dir"
  names=("quillane-check --all" "cat (the floor)")
  command0=("$check" --sfv auto --all . -r)
  command1=(cat "${volumes[@]}")
  "${command0[@]}" >/dev/null 2>&1 || { echo "compare: quillane-check --all did not accept $dir" >&2; exit 1; }
  description="--all over ${#folder_series[@]} series of ${#folder_volumes[@]} volumes, $(du -cm "${volumes[@]}" | tail -1 | cut -f1) MiB"
  time_warm_and_cold
}

# Checks one series with a digest list of each GNU tool, beside that tool ("x quil" of the tool: how
# many times longer it takes).
compare_digests() {
  local name=$1 tool
  for tool in md5 sha256; do
    [ -s "$name.$tool" ] || "${tool}sum" "${volumes[@]}" >"$name.$tool"
    names=("quillane-check --sfv .$tool" "${tool}sum -c" "cat (the floor)")
    command0=("$check" --sfv "$name.$tool" "$name.rar")
    command1=("${tool}sum" --quiet -c "$name.$tool")
    command2=(cat "${volumes[@]}")
    accept_all "$name" 1 ", .$tool list"
    time_commands warm
  done
}

usage=$(mktemp)
trap 'rm -f "$usage"' EXIT
if can_drop_caches; then
  whole_cache=yes
  cold_how="the whole page cache dropped before each command"
else
  whole_cache=no
  cold_how="not root: each volume's pages dropped with fadvise DONTNEED before each command"
fi
echo "compare: $(nproc) cores; cold rounds: $cold_how"
echo
if [ -n "$archive_only" ]; then
  make_rar_set "$series_root/rar-20x100MiB" arch 20 100
  compare_archive arch
  exit 0
fi
make_series "$series_root/20x100MiB" bench 20 100
compare_series bench
compare_digests bench
make_series "$series_root/3x1536MiB" big 3 1536
compare_series big
make_rar_set "$series_root/rar-20x100MiB" arch 20 100
compare_archive arch
folder_series=(0 1 2 3 4 5 6 7 8 9)
for k in "${folder_series[@]}"; do make_series "$series_root/10x10x100MiB/s$k" "s$k" 10 100; done
folder_volumes=("${volumes[@]#s9}")
compare_folder "$series_root/10x10x100MiB"
