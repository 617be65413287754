#!/usr/bin/env bash
# Installs the programs of a build folder into a temporary prefix and runs the
# installed korvi there: scripts/install_check.sh BUILD_DIR.
set -euo pipefail
build=${1:?usage: scripts/install_check.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for program in korvi korvi-stats korvi-perm; do
    [ -x "$prefix/bin/$program" ] || { echo "not installed: $program" >&2; exit 1; }
done
cd "$prefix"
"$prefix/bin/korvi" -g2 -b0 2>/dev/null
[ -s ldmd_2.jkl ] || { echo "the installed korvi wrote no lattice" >&2; exit 1; }
echo "installed and ran: $(ls "$prefix/bin" | tr '\n' ' ')"
