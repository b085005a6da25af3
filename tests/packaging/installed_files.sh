#!/usr/bin/env bash
# installed_files.sh - installs the build into a scratch DESTDIR as the package does and checks what lands there.
# Usage: installed_files.sh BUILD_DIR STAGE_DIR EXPECTED_LIST VERSION
set -euo pipefail
build=$1 stage=$2 expected=$3 version=$4

rm -rf "$stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
echo "installed into $stage:"
(cd "$stage" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) | tee "$stage.list"
diff -u <(grep -v "^#" "$expected") "$stage.list"

# Both programs answer without a display, and the installed window program finds its own help.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
bin=$stage/usr/bin
for program in quillane quillane-check; do
  [ "$("$bin/$program" --version)" = "$program (Quillane) $version" ]
done
"$bin/quillane" --help | grep -qxF "The help (F1 in the window): $stage/usr/share/quillane/quil.html"

# Each manual page reads without a formatter warning and describes every option its program lists.
for program in quillane quillane-check; do
  page=$stage/usr/share/man/man1/$program.1
  warnings=$(groff -t -man -ww -z "$page" 2>&1)
  [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
  for option in $("$bin/$program" --help | grep -o -- '--[a-z-]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" "$page" || { echo "$page does not describe $option"; exit 1; }
  done
done
echo "both programs answer --version and --help; the manual pages are clean"
