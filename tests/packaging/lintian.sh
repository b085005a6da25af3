#!/usr/bin/env bash
# lintian.sh - runs the distribution's package checker on the .deb debian_package.sh built; any error or warning fails.
# Usage: lintian.sh PACKAGE_DIR
# SPDX-License-Identifier: MIT
set -euo pipefail
# The tests run as root on CI, which lintian refuses to do silently without --allow-root.
exec "$(dirname "$0")/validate.sh" lintian lintian --allow-root --fail-on error,warning --display-info \
  "$(echo "$1"/*.deb)"
