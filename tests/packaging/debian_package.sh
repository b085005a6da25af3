#!/usr/bin/env bash
# debian_package.sh - builds the .deb with CPack and checks its version, dependencies, files, description and hardening.
# Usage: debian_package.sh BUILD_DIR OUT_DIR EXPECTED_LIST VERSION SERIES_KINDS
# SPDX-License-Identifier: MIT
set -euo pipefail
build=$1 out=$2 expected=$3 version=$4 kinds=$5

rm -rf "$out"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1; then
  cat "$out.log"
  exit 1
fi
deb=$(echo "$out"/*.deb)
echo "$deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Section
# The project's version with the package's revision, and the changelog's last entry is for it.
packageVersion=$(dpkg-deb --field "$deb" Version)
[ "${packageVersion%-*}" = "$version" ]
dpkg-deb -x "$deb" "$out/root"
changelog=$out/root/usr/share/doc/quillane/changelog.Debian.gz
[ "$(zcat "$changelog" | dpkg-parsechangelog -l - -S Version)" = "$packageVersion" ]
# dpkg-shlibdeps found the libraries: Qt's widgets for the window program.
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6'
diff -u <(grep -v "^#" "$expected") <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | LC_ALL=C sort)

# The description fits the package tools' 80 columns and names every series kind.
description=$(dpkg-deb --field "$deb" Description)
long=$(awk 'length > 80' <<<"$description")
[ -z "$long" ] || { echo "longer than 80 characters: $long"; exit 1; }
for kind in $(grep -v "^#" "$kinds"); do
  grep -qF -- "$kind" <<<"$description" || { echo "the description does not name $kind"; exit 1; }
done

# Both programs are built hardened: position-independent, relocations read-only and bound at start,
# stack canaries and fortified libc calls.
for program in "$out"/root/usr/bin/*; do
  elf=$(readelf -W --file-header --program-headers --dynamic --dyn-syms "$program")
  for mark in 'Type: *DYN' 'GNU_RELRO' 'FLAGS.*BIND_NOW' '__stack_chk_fail' '__[a-z]*_chk@'; do
    grep -qE -- "$mark" <<<"$elf" || { echo "$program lacks $mark"; exit 1; }
  done
done
echo "the description and the hardening of both programs are as the distribution wants"
