#!/bin/sh
# Installs the build into a staging folder and starts the installed launcher with a span file
# named relative to the current folder, under a fresh XDG data home that already holds the
# user's own settings. Passes when the launcher copied the missing shipped files (keeping the
# user's), and the installed program came up in the data folder with the file made absolute
# and was still running a few seconds later; it is then ended.
# Usage: install_test.sh BUILD-FOLDER WORK-FOLDER [CMAKE]
set -eu
build=$1
work=$2
cmake=${3:-cmake}
rm -rf "$work"
mkdir -p "$work/xdg/catenova" "$work/started-here"
"$cmake" --install "$build" --prefix "$work/stage" >/dev/null

fail() {
  echo "install test: $*" >&2
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}
for f in bin/catenova libexec/catenova/catenova share/catenova/CABLEDAT.TXT \
  share/applications/catenova.desktop share/mime/packages/catenova.xml \
  share/icons/hicolor/scalable/apps/catenova.svg share/icons/hicolor/256x256/apps/catenova.png; do
  [ -e "$work/stage/$f" ] || fail "$f was not installed"
done

# The user's settings: no first-run question, and they must survive the launcher.
printf 'English\r\n1\r\n' >"$work/xdg/catenova/CN3NESC.TXT"
cd "$work/started-here"
XDG_DATA_HOME="$work/xdg" "$work/stage/bin/catenova" span.cn3 >"$work/program.log" 2>&1 &
pid=$!

folder=$(cd "$work/xdg/catenova" && pwd -P)
program=$(readlink -f "$work/stage/libexec/catenova/catenova")
up=""
for _ in $(seq 1 100); do
  if [ "$(readlink /proc/$pid/exe 2>/dev/null)" = "$program" ] &&
    [ "$(readlink /proc/$pid/cwd 2>/dev/null)" = "$folder" ]; then
    up=yes
    break
  fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
[ -n "$up" ] || fail "the program did not start in $folder: $(cat "$work/program.log")"
tr '\0' ' ' </proc/$pid/cmdline | grep -qF "$(pwd -P)/span.cn3" ||
  fail "the file argument was not passed on as an absolute path"
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the program ended at start-up: $(cat "$work/program.log")"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""

cmp -s "$work/xdg/catenova/CABLEDAT.TXT" "$work/stage/share/catenova/CABLEDAT.TXT" ||
  fail "the catalogue was not copied into the data folder"
[ "$(cat "$work/xdg/catenova/CN3NESC.TXT")" = "$(printf 'English\r\n1\r\n')" ] ||
  fail "the user's settings were overwritten"
echo "install test: passed"
