#!/usr/bin/env bash
# compare.sh - times quillane-check --sfv against the SFV checkers users pick instead and against cat, warm and cold.
#
# Usage: bench/compare.sh [ROUNDS]   (default 5; series folder: $QUILLANE_BENCH_SERIES)
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
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-5}
series_root=${QUILLANE_BENCH_SERIES:-/tmp/quillane-bench-series}
build=${QUILLANE_BUILD_DIR:-$root/build}

"$root/scripts/setup" cksfv rhash 7zip time
"$root/scripts/build" --target quillane-check >/dev/null
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
# Empties the page cache of the volumes: all of it where allowed, else file by file.
drop_cache() {
  sync
  if [ "$whole_cache" = yes ]; then
    echo 3 >/proc/sys/vm/drop_caches
  else
    for v in "${volumes[@]}"; do dd if="$v" iflag=nocache count=0 status=none; done
  fi
}
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

# Checks one series warm, then cold when the page cache can be dropped.
compare_series() {
  local name=$1
  names=("quillane-check --sfv" "cksfv -f" "rhash -c" "7zz h -scrcCRC32" "cat (the floor)")
  command0=("$check" --sfv "$name.sfv" "$name.rar")
  command1=(cksfv -q -f "$name.sfv")
  command2=(rhash -c "$name.sfv")
  command3=(7zz h -scrcCRC32 "${volumes[@]}")
  command4=(cat "${volumes[@]}")
  # A checker that is fast but wrong says nothing: every one must accept the series first.
  for i in 0 1 2 3; do
    declare -n command="command$i"
    "${command[@]}" >/dev/null 2>&1 || { echo "compare: '${names[$i]}' did not accept $name" >&2; exit 1; }
  done
  description="${#volumes[@]} volumes, $(du -cm "${volumes[@]}" | tail -1 | cut -f1) MiB"
  time_and_compare
}

# The warm rounds, then the cold ones.
time_and_compare() {
  load=$(cut -d' ' -f1 /proc/loadavg)
  time_commands warm
  load=$(cut -d' ' -f1 /proc/loadavg)
  time_commands cold
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
  time_and_compare
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
make_series "$series_root/20x100MiB" bench 20 100
compare_series bench
make_series "$series_root/3x1536MiB" big 3 1536
compare_series big
folder_series=(0 1 2 3 4 5 6 7 8 9)
for k in "${folder_series[@]}"; do make_series "$series_root/10x10x100MiB/s$k" "s$k" 10 100; done
folder_volumes=("${volumes[@]#s9}")
compare_folder "$series_root/10x10x100MiB"
