#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the layout: the program with its
# data in <prefix>/lib/tetralyx, a link to it in <prefix>/bin.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" > /dev/null
fail() { echo "install_test: $*" >&2; exit 1; }
[[ -x "$prefix/lib/tetralyx/tetralyx" ]] || fail "no program in lib/tetralyx"
for f in config/defaultmusic.ini config/configbase.ini help/english/index.html \
         help/gb2312/index.html help/big5/index.html; do
  [[ -f "$prefix/lib/tetralyx/$f" ]] || fail "missing lib/tetralyx/$f"
done
[[ -L "$prefix/bin/tetralyx" ]] || fail "bin/tetralyx is not a link"
[[ "$(readlink -f "$prefix/bin/tetralyx")" == "$(readlink -f "$prefix/lib/tetralyx/tetralyx")" ]] \
  || fail "bin/tetralyx does not lead to the program"
echo "install_test: ok"
