#!/usr/bin/env bash
# debian_package.sh - builds the .deb with CPack and checks its version, its computed dependencies and its files.
# Usage: debian_package.sh BUILD_DIR OUT_DIR EXPECTED_LIST VERSION
set -euo pipefail
build=$1 out=$2 expected=$3 version=$4

rm -rf "$out"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1; then
  cat "$out.log"
  exit 1
fi
deb=$(echo "$out"/*.deb)
echo "$deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Section
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ]
# dpkg-shlibdeps found the libraries: Qt's widgets for the window program.
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6'
diff -u <(grep -v "^#" "$expected") <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | LC_ALL=C sort)
