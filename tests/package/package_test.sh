#!/bin/bash
# The Debian package in three steps, run by CTest in this order:
#   build     cpack writes <build>/package/quillon_*.deb
#   contents  lintian reports no error; layout, tool links and Depends are right
#   install   (root) apt installs it, the installed quillon starts headless and
#             finds its tools and translation, the purge leaves nothing behind
# Exit status 77 means skipped; the reason is printed.
set -euo pipefail
step=$1
build=$(cd "$2" && pwd)
out=$build/package
rows=$build/packaging/tools.txt
appdir=/usr/lib/quillon

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
deb() {
  local f
  f=$(ls "$out"/quillon_*.deb 2>/dev/null | head -n 1)
  [ -n "$f" ] || fail "no package in $out (the package_build step failed)"
  echo "$f"
}
seconds() { echo "$1 $2" | awk '{ printf "%.2f", ($2 - $1) / 1e9 }'; }

case $step in
build)
  mkdir -p "$out"
  rm -f "$out"/quillon_*.deb
  start=$(date +%s%N)
  (cd "$build" && cpack -G DEB -B "$out") >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail "cpack"; }
  f=$(deb)
  echo "package: $(basename "$f"), $(stat -c %s "$f") bytes, Installed-Size $(dpkg-deb -f "$f" Installed-Size) KiB," \
       "built in $(seconds "$start" "$(date +%s%N)") s"
  ;;

contents)
  f=$(deb)
  depends=$(dpkg-deb -f "$f" Depends)
  echo "Depends: $depends"
  for p in $(awk '{ print $3 }' "$rows" | sort -u) fdisk pkexec libqt5widgets5 libqt5gui5 libqt5core5a libudev1; do
    grep -Eq "(^|[ ,|])$p([ ,(]|$)" <<<"$depends" || fail "Depends lacks $p"
  done
  [ "$(dpkg-deb -f "$f" Recommends)" = "fusefat, exfat-fuse" ] || fail "Recommends: $(dpkg-deb -f "$f" Recommends)"

  listing=$(dpkg-deb -c "$f" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
  has() { grep -Fxq -- "$1" <<<"$listing" || fail "the package lacks $1"; }
  has "./usr/lib/quillon/quillon"
  has "./usr/bin/quillon -> ../lib/quillon/quillon"
  has "./usr/lib/quillon/translations/"
  has "./usr/share/applications/io.github.quillon_iso.quillon.desktop"
  has "./usr/share/metainfo/io.github.quillon_iso.quillon.metainfo.xml"
  for size in 16 22 24 32 48 64 128 256 512; do
    has "./usr/share/icons/hicolor/${size}x${size}/apps/io.github.quillon_iso.quillon.png"
  done
  has "./usr/share/man/man1/quillon.1.gz"
  has "./usr/share/doc/quillon/copyright"
  # Every tool at its fixed path, linked to the program Debian installs.
  while read -r rel program package; do
    link=$(grep -E "^\./usr/lib/quillon/$rel -> " <<<"$listing") || fail "no link for $rel ($package)"
    target=${link#* -> }
    case $target in
      /usr/*) fail "$rel links to $target: within /usr a link must be relative" ;;
    esac
    [ "$(basename "$target")" = "$(basename "$program")" ] || fail "$rel links to $target, not to $program"
  done <"$rows"
  ! grep -Eq "^\./(usr/local|home|tmp|root|work)" <<<"$listing" || fail "files outside the system folders"
  [ "$(grep -c "^\./usr/bin/." <<<"$listing")" -eq 1 ] || fail "more than the quillon command in /usr/bin"

  command -v lintian >/dev/null || skip "lintian is not installed (make deps installs it)"
  lintian --fail-on error --tag-display-limit 0 "$f" || fail "lintian reports errors"
  ;;

install)
  [ "$(id -u)" -eq 0 ] || skip "installing a package needs root; run make test as root to include this step"
  command -v apt-get >/dev/null || skip "no apt-get: not a Debian system"
  if dpkg-query -W -f='${Status}' quillon 2>/dev/null | grep -q installed; then
    skip "a quillon package is already installed here; the test leaves it alone"
  fi
  [ ! -e "$appdir" ] || skip "$appdir exists without a quillon package; the test leaves it alone"
  f=$(deb)
  trap 'dpkg --purge quillon >/dev/null 2>&1 || true' EXIT

  # Another apt run (a helper installing packages) may hold the lock for a while.
  start=$(date +%s%N)
  for attempt in $(seq 1 30); do
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$f" >"$out/apt.log" 2>&1 && break
    grep -q "Could not get lock\|Unable to acquire" "$out/apt.log" || { cat "$out/apt.log"; fail "apt-get install"; }
    sleep 5
  done
  dpkg-query -W -f='${Status}' quillon | grep -q "install ok installed" || { cat "$out/apt.log"; fail "not installed"; }
  echo "installed in $(seconds "$start" "$(date +%s%N)") s"

  [ "$(readlink -f /usr/bin/quillon)" = "$appdir/quillon" ] || fail "/usr/bin/quillon does not start $appdir/quillon"
  [ "$(command -v quillon)" = /usr/bin/quillon ] || fail "quillon is not on the PATH"
  while read -r rel program package; do
    [ -x "$appdir/$rel" ] || fail "$appdir/$rel does not lead to $program ($package)"
  done <"$rows"
  built=$(cd "$build/bin/translations" && ls -- *.qm 2>/dev/null || true)
  installed=$(cd "$appdir/translations" && ls -- *.qm 2>/dev/null || true)
  [ "$built" = "$installed" ] || fail "installed translations differ from the build's: [$installed] against [$built]"

  # A language with a translation file when there is one, English otherwise.
  locale=C.UTF-8 qm=qt_en.qm
  if [ -e "$appdir/translations/qt_de.qm" ]; then locale=de_DE.UTF-8 qm=qt_de.qm; fi
  expected=missing
  [ ! -e "$appdir/translations/$qm" ] || expected=loaded

  snapshot() { find "$appdir" -printf '%p %y %s %T@\n' | sort; }
  before=$(snapshot)
  home=$(mktemp -d)
  report=$(cd / && env -i PATH=/usr/bin:/bin HOME="$home" LC_ALL=$locale QT_QPA_PLATFORM=offscreen \
           QUILLON_EXIT_AFTER_SHOWN=1 timeout 60 quillon 2>"$out/stderr.log") || { cat "$out/stderr.log"; fail "quillon did not start"; }
  echo "$report"
  grep -q "^startup: window shown after" <<<"$report" || fail "the window was not shown"
  grep -Fxq "startup: application directory $appdir" <<<"$report" || fail "wrong application directory"
  [ "$(grep -c "^startup: tool $appdir/.* found$" <<<"$report")" -eq 5 ] || fail "a tool is missing"
  grep -Fxq "startup: translation $appdir/translations/$qm $expected" <<<"$report" || fail "translation $qm not $expected"
  [ -d "$home/.local/share/quillon" ] || fail "no data folder in the user's home"
  rm -rf "$home"
  [ "$before" = "$(snapshot)" ] || fail "the program changed $appdir while running"

  files=$(dpkg-query -L quillon)
  start=$(date +%s%N)
  dpkg --purge quillon >"$out/purge.log" 2>&1 || { cat "$out/purge.log"; fail "purge"; }
  echo "purged in $(seconds "$start" "$(date +%s%N)") s"
  trap - EXIT
  left=""
  while read -r path; do
    if [ -e "$path" ] || [ -L "$path" ]; then
      dpkg-query -S "$path" >/dev/null 2>&1 || left="$left $path"
    fi
  done <<<"$files"
  [ -z "$left" ] || fail "left behind:$left"
  ;;
*)
  fail "unknown step $step"
  ;;
esac
