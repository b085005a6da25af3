#!/usr/bin/env bash
# compare.sh - times quillane-check --sfv against the SFV checkers users pick instead, and against cat.
#
# Usage: bench/compare.sh [ROUNDS]   (default 5; series folder: $QUILLANE_BENCH_SERIES)
# Makes (once) a series of 20 volumes of 100 MiB of random data with an SFV file, then runs every
# command once per round, interleaved and in a rotating order, each right after the series was
# read into the page cache, and prints the medians and every ratio to quillane-check.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-5}
series=${QUILLANE_BENCH_SERIES:-/tmp/quillane-bench-series}
build=${QUILLANE_BUILD_DIR:-$root/build}

"$root/scripts/setup" cksfv rhash 7zip time
"$root/scripts/build" --target quillane-check >/dev/null
check="$build/cli/quillane-check"

volumes=(bench.rar)
for i in $(seq -w 0 18); do volumes+=("bench.r$i"); done
mkdir -p "$series"
cd "$series"
if [ ! -s bench.sfv ]; then
  echo "compare: writing ${#volumes[@]} volumes of 100 MiB into $series" >&2
  for v in "${volumes[@]}"; do head -c 100M /dev/urandom >"$v"; done
  # CRLF line ends: the form every checker here reads.
  cksfv -q "${volumes[@]}" | sed 's/$/\r/' >bench.sfv.part
  mv bench.sfv.part bench.sfv
fi

names=("quillane-check --sfv" "cksfv -f" "rhash -c" "7zz h -scrcCRC32" "cat (the floor)")
command0=("$check" --sfv bench.sfv bench.rar)
command1=(cksfv -q -f bench.sfv)
command2=(rhash -c bench.sfv)
command3=(7zz h -scrcCRC32 "${volumes[@]}")
command4=(cat "${volumes[@]}")

# A checker that is fast but wrong says nothing: every one must accept the series first.
for i in 0 1 2 3; do
  declare -n command="command$i"
  "${command[@]}" >/dev/null 2>&1 || { echo "compare: '${names[$i]}' did not accept the series" >&2; exit 1; }
done

# Wall time, and CPU time (user + system), which other work on the machine disturbs less.
declare -A wall cpu
peak_kib=0
for ((round = 0; round < rounds; round++)); do
  for ((k = 0; k < ${#names[@]}; k++)); do
    i=$(((round + k) % ${#names[@]}))
    declare -n command="command$i"
    cat "${volumes[@]}" >/dev/null  # the page cache forgets files left alone for about a minute
    start=$(date +%s%N)
    /usr/bin/time -f '%U %S %M' -o usage.txt "${command[@]}" >/dev/null 2>&1
    end=$(date +%s%N)
    read -r user system kib <usage.txt
    wall[$i]+="$(awk -v n=$((end - start)) 'BEGIN { printf "%.3f ", n / 1e9 }')"
    cpu[$i]+="$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f ", u + s }')"
    [ "$i" -eq 0 ] && [ "$kib" -gt "$peak_kib" ] && peak_kib=$kib
  done
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
declare -a wall_median cpu_median
for i in "${!names[@]}"; do
  wall_median[$i]=$(echo "${wall[$i]}" | median)
  cpu_median[$i]=$(echo "${cpu[$i]}" | median)
done

total_mib=$(du -cm "${volumes[@]}" | tail -1 | cut -f1)
echo "${#volumes[@]} volumes, $total_mib MiB, page cache warm; medians of $rounds interleaved rounds on $(nproc) cores"
printf '%-22s %8s %9s %8s %9s   %s\n' command "wall s" "x quil" "cpu s" "x quil" "wall s of every round"
for i in "${!names[@]}"; do
  printf '%-22s %8.3f %9s %8.2f %9s   %s\n' "${names[$i]}" "${wall_median[$i]}" "$(ratio "${wall_median[$i]}" "${wall_median[0]}")" \
    "${cpu_median[$i]}" "$(ratio "${cpu_median[$i]}" "${cpu_median[0]}")" "${wall[$i]}"
done
echo "quillane-check / cat: wall $(ratio "${wall_median[0]}" "${wall_median[4]}"), cpu $(ratio "${cpu_median[0]}" "${cpu_median[4]}")"
echo "quillane-check peak memory: $((peak_kib / 1024)) MiB (largest volume: 100 MiB)"
