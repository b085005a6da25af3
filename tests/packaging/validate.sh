#!/usr/bin/env bash
# validate.sh - runs a validator on an installed file or the package; where its Debian package is missing, says so and skips.
# Usage: validate.sh DEBIAN_PACKAGE COMMAND [ARGUMENT...]
# SPDX-License-Identifier: MIT
set -euo pipefail
package=$1
shift
if ! command -v "$1" >/dev/null 2>&1; then
  echo "skipped: $1 is not installed (Debian package $package)"
  exit 77
fi
echo "$*"
"$@"
