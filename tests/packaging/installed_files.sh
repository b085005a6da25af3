#!/usr/bin/env bash
# installed_files.sh - installs the build into a scratch DESTDIR as the package does and checks what lands there.
# Usage: installed_files.sh BUILD_DIR STAGE_DIR EXPECTED_LIST VERSION SERIES_KINDS
# SPDX-License-Identifier: MIT
set -euo pipefail
build=$1 stage=$2 expected=$3 version=$4 kinds=$5

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

# Compressed as the distribution wants: gzip's best level (XFL 2), and no name or time stamp in the header.
doc=$stage/usr/share/doc/quillane
for file in "$doc/changelog.Debian.gz" "$stage"/usr/share/man/man1/*.gz; do
  [ "$(od -An -tx1 -j3 -N6 "$file" | tr -d ' ')" = 000000000002 ] || { echo "$file: not gzip -9n"; exit 1; }
done
changelogVersion=$(zcat "$doc/changelog.Debian.gz" | dpkg-parsechangelog -l - -S Version)
[ "${changelogVersion%-*}" = "$version" ] || { echo "the changelog is for $changelogVersion"; exit 1; }

# Each manual page reads without a formatter warning, carries its date, describes every option its
# program lists, and names every series kind, as the metadata does.
for program in quillane quillane-check; do
  page=$stage/usr/share/man/man1/$program.1.gz
  text=$(zcat "$page")
  warnings=$(groff -t -man -Tutf8 -ww -z <<<"$text" 2>&1)
  [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
  grep -qE '^\.TH [A-Z-]+ 1 "[0-9]{4}-[0-9]{2}-[0-9]{2}"' <<<"$text" || { echo "$page has no date"; exit 1; }
  for option in $("$bin/$program" --help | grep -o -- '--[a-z-]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" <<<"$text" || { echo "$page does not describe $option"; exit 1; }
  done
done
for description in "$stage"/usr/share/man/man1/*.gz "$stage"/usr/share/metainfo/*.xml; do
  text=$(zcat -f "$description")
  for kind in $(grep -v "^#" "$kinds"); do
    grep -qF -- "$kind" <<<"$text" || { echo "$description does not name $kind"; exit 1; }
  done
done
# The installed type definition gives *.sfv files the type the desktop entry offers Quillane for.
grep -q '^MimeType=.*text/x-sfv;' "$stage"/usr/share/applications/*.desktop || { echo "the desktop entry lacks text/x-sfv"; exit 1; }
if command -v update-mime-database >/dev/null 2>&1; then
  mime=$(mktemp -d)
  cp -r "$stage/usr/share/mime" "$mime/"
  update-mime-database "$mime/mime"
  grep -qxF 'text/x-sfv:*.sfv' "$mime/mime/globs" || { echo "*.sfv is not text/x-sfv"; exit 1; }
  rm -rf "$mime"
fi
echo "both programs answer --version and --help; the manual pages are clean; the documents are packed to the rules"
