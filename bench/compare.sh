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
run() {
  case $1 in
    0) "$check" --sfv bench.sfv bench.rar ;;
    1) cksfv -q -f bench.sfv ;;
    2) rhash -c bench.sfv ;;
    3) 7zz h -scrcCRC32 "${volumes[@]}" ;;
    4) cat "${volumes[@]}" ;;
  esac
}

# A checker that is fast but wrong says nothing: every one must accept the series first.
for i in 0 1 2 3; do
  run $i >/dev/null 2>&1 || { echo "compare: '${names[$i]}' did not accept the series" >&2; exit 1; }
done

declare -A seconds
for ((round = 0; round < rounds; round++)); do
  for ((k = 0; k < ${#names[@]}; k++)); do
    i=$(((round + k) % ${#names[@]}))
    cat "${volumes[@]}" >/dev/null  # the page cache forgets files left alone for about a minute
    start=$(date +%s%N)
    run "$i" >/dev/null 2>&1
    end=$(date +%s%N)
    seconds[$i]+="$(awk -v n=$((end - start)) 'BEGIN { printf "%.4f ", n / 1e9 }')"
  done
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
declare -a medians
for i in "${!names[@]}"; do medians[$i]=$(echo "${seconds[$i]}" | median); done

total_mib=$(du -cm "${volumes[@]}" | tail -1 | cut -f1)
echo "${#volumes[@]} volumes, $total_mib MiB, page cache warm; medians of $rounds interleaved rounds on $(nproc) cores"
printf '%-22s %10s %16s\n' command seconds "x quillane-check"
for i in "${!names[@]}"; do
  printf '%-22s %10.3f %16.2f\n' "${names[$i]}" "${medians[$i]}" "$(awk -v a="${medians[$i]}" -v b="${medians[0]}" 'BEGIN { print a / b }')"
done
printf 'quillane-check / cat: %.2f\n' "$(awk -v a="${medians[0]}" -v b="${medians[4]}" 'BEGIN { print a / b }')"
peak_kib=$(/usr/bin/time -f %M "$check" --sfv bench.sfv bench.rar 2>&1 >/dev/null | tail -1)
echo "quillane-check peak memory: $((peak_kib / 1024)) MiB (largest volume: 100 MiB)"
