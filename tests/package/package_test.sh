#!/bin/bash
# The Debian package in three steps, run by CTest in this order:
#   build     packaging/build-package.sh writes <build>/package (reused when
#             the source is unchanged)
#   contents  layout, tool links, relations, the dbgsym package, lintian on
#             the .changes (source and binaries) without errors or warnings
#   install   (root) apt installs it; hardening, the polkit action, the
#             installed quillon starts headless and finds its tools and
#             translation; the purge leaves nothing behind
# Arguments: STEP BUILD_DIR HAS_USB_HELPER(0/1). Exit status 77: skipped.
set -euo pipefail
step=$1
build=$(cd "$2" && pwd)
helper=${3:-0}
source=$(cd "$(dirname "$0")/../.." && pwd)
out=$build/package
tools=$build/packaging/tools.txt
system=$build/packaging/system.txt
appdir=/usr/lib/quillon
helper_path=/usr/libexec/quillon/quillon-usb-helper
action=io.github.quillon_iso.quillon.usb-write

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
one() { # the one file matching a pattern in $out
  local f
  f=$(ls "$out"/$1 2>/dev/null | head -n 1)
  [ -n "$f" ] || fail "no $1 in $out (the package_build step failed)"
  echo "$f"
}
seconds() { echo "$1 $2" | awk '{ printf "%.2f", ($2 - $1) / 1e9 }'; }
# Packages of one relation level, from both lists, in list order.
level() { awk -v l="$1" '$NF == l { print $(NF - 1) }' "$tools" "$system" | awk '!seen[$0]++'; }

case $step in
build)
  for p in dpkg-buildpackage dh; do
    command -v $p >/dev/null || skip "$p is not installed (make deps installs it)"
  done
  start=$(date +%s%N)
  "$source/packaging/build-package.sh" "$out" || fail "the package build"
  f=$(one "quillon_*.deb")
  echo "package: $(basename "$f"), $(stat -c %s "$f") bytes, Installed-Size $(dpkg-deb -f "$f" Installed-Size) KiB," \
       "ready in $(seconds "$start" "$(date +%s%N)") s"
  ;;

contents)
  f=$(one "quillon_*.deb")
  dbgsym=$(one "quillon-dbgsym_*.deb")
  changes=$(one "quillon_*.changes")
  one "quillon_*.dsc" >/dev/null

  # Relations as tools.cmake lists them, the libraries from shlibs.
  for field in Depends Recommends Suggests; do
    value=$(dpkg-deb -f "$f" $field)
    echo "$field: $value"
    for p in $(level "${field,,}"); do
      grep -Eq "(^|, )$p( \(|,|$)" <<<"$value" || fail "$field lacks $p"
    done
  done
  depends=$(dpkg-deb -f "$f" Depends)
  for p in libqt5widgets5 libqt5gui5 libqt5core5a libudev1; do
    grep -Eq "(^|, )$p( \(|,|$)" <<<"$depends" || fail "Depends lacks $p"
  done
  for p in $(level recommends) $(level suggests); do
    ! grep -Eq "(^|, )$p( \(|,|$)" <<<"$depends" || fail "$p is a dependency, but tools.cmake says it is not needed"
  done

  listing=$(dpkg-deb -c "$f" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
  has() { grep -Fxq -- "$1" <<<"$listing" || fail "the package lacks $1"; }
  has "./usr/lib/quillon/quillon"
  has "./usr/bin/quillon -> ../lib/quillon/quillon"
  has "./usr/lib/quillon/translations/"
  has "./usr/share/applications/io.github.quillon_iso.quillon.desktop"
  has "./usr/share/metainfo/io.github.quillon_iso.quillon.metainfo.xml"
  has "./usr/share/polkit-1/actions/io.github.quillon_iso.quillon.policy"
  for size in 16 22 24 32 48 64 128 256 512; do
    has "./usr/share/icons/hicolor/${size}x${size}/apps/io.github.quillon_iso.quillon.png"
  done
  has "./usr/share/icons/hicolor/scalable/apps/io.github.quillon_iso.quillon.svg"
  has "./usr/share/icons/hicolor/symbolic/apps/io.github.quillon_iso.quillon-symbolic.svg"
  has "./usr/share/man/man1/quillon.1.gz"
  has "./usr/share/doc/quillon/copyright"
  has "./usr/share/doc/quillon/changelog.gz"
  if [ "$helper" = 1 ]; then
    has ".$helper_path"
  fi
  # Every tool at its fixed path, linked to Debian's program.
  while read -r rel program package relation; do
    link=$(grep -E "^\./usr/lib/quillon/$rel -> " <<<"$listing") || fail "no link for $rel ($package)"
    target=${link#* -> }
    case $target in
      /usr/*) fail "$rel links to $target: within /usr a link must be relative" ;;
    esac
    [ "$(realpath -m -s "/usr/lib/quillon/$(dirname "$rel")/$target")" = "$program" ] ||
      fail "$rel links to $target, not to $program"
  done <"$tools"
  ! grep -Eq "^\./(usr/local|home|tmp|root|work)" <<<"$listing" || fail "files outside the system folders"
  [ "$(grep -c "^\./usr/bin/." <<<"$listing")" -eq 1 ] || fail "more than the quillon command in /usr/bin"

  # The dbgsym package carries the debug information of exactly the shipped
  # binaries, found by their build IDs.
  [ "$(dpkg-deb -f "$dbgsym" Depends)" = "quillon (= $(dpkg-deb -f "$f" Version))" ] ||
    fail "dbgsym Depends: $(dpkg-deb -f "$dbgsym" Depends)"
  unpacked=$(mktemp -d)
  trap 'rm -rf "$unpacked"' EXIT
  dpkg-deb -x "$f" "$unpacked/deb"
  dpkg-deb -x "$dbgsym" "$unpacked/dbgsym"
  elves=0
  while read -r binary; do
    id=$(readelf -n "$binary" | awk '/Build ID:/ { print $3 }')
    [ -n "$id" ] || fail "$binary has no build ID"
    debug=$unpacked/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug
    [ -f "$debug" ] || fail "no debug file for ${binary#"$unpacked"/deb} in the dbgsym package"
    readelf -S "$debug" | grep -q "\.debug_info" || fail "$debug has no .debug_info"
    ! readelf -S "$binary" | grep -q "\.debug_info" || fail "$binary is not stripped"
    elves=$((elves + 1))
  done < <(find "$unpacked/deb" -type f -exec sh -c 'head -c 4 "$1" | grep -q ELF' _ {} \; -print)
  [ "$elves" -eq $((1 + helper)) ] || fail "$elves ELF files in the package"
  echo "dbgsym: debug information for $elves binaries"

  command -v lintian >/dev/null || skip "lintian is not installed (make deps installs it)"
  lintian --fail-on error,warning --display-info --tag-display-limit 0 "$changes" >"$out/lintian.log" 2>&1 ||
    { cat "$out/lintian.log"; fail "lintian reports errors or warnings"; }
  echo "lintian: $(grep -c '^[EW]:' "$out/lintian.log" || true) errors and warnings," \
       "$(grep -c '^I:' "$out/lintian.log" || true) notes (in $out/lintian.log)"
  ;;

install)
  [ "$(id -u)" -eq 0 ] || skip "installing a package needs root; run make test as root to include this step"
  command -v apt-get >/dev/null || skip "no apt-get: not a Debian system"
  if dpkg-query -W -f='${Status}' quillon 2>/dev/null | grep -q installed; then
    skip "a quillon package is already installed here; the test leaves it alone"
  fi
  [ ! -e "$appdir" ] || skip "$appdir exists without a quillon package; the test leaves it alone"
  f=$(one "quillon_*.deb")
  # pkaction asks polkitd over the system bus. Where neither runs (a container
  # without an init), the test starts both for itself and stops them after.
  started=()
  polkit_up() { pkaction >/dev/null 2>&1; }
  cleanup() {
    dpkg --purge quillon >/dev/null 2>&1 || true
    if [ ${#started[@]} -gt 0 ]; then
      kill "${started[@]}" 2>/dev/null || true
      rm -f /run/dbus/pid /run/dbus/system_bus_socket
    fi
  }
  trap cleanup EXIT
  if command -v pkaction >/dev/null && ! polkit_up && [ ! -S /run/dbus/system_bus_socket ] &&
     command -v dbus-daemon >/dev/null && [ -x /usr/lib/polkit-1/polkitd ]; then
    mkdir -p /run/dbus
    started+=("$(dbus-daemon --system --fork --print-pid)")
    /usr/lib/polkit-1/polkitd --no-debug >"$out/polkitd.log" 2>&1 &
    started+=("$!")
    for _ in $(seq 1 50); do polkit_up && break; sleep 0.1; done
  fi

  # Another apt run (a helper installing packages) may hold the lock for a while.
  start=$(date +%s%N)
  for _ in $(seq 1 30); do
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$f" >"$out/apt.log" 2>&1 && break
    grep -q "Could not get lock\|Unable to acquire" "$out/apt.log" || { cat "$out/apt.log"; fail "apt-get install"; }
    sleep 5
  done
  dpkg-query -W -f='${Status}' quillon | grep -q "install ok installed" || { cat "$out/apt.log"; fail "not installed"; }
  echo "installed in $(seconds "$start" "$(date +%s%N)") s"

  [ "$(readlink -f /usr/bin/quillon)" = "$appdir/quillon" ] || fail "/usr/bin/quillon does not start $appdir/quillon"
  [ "$(command -v quillon)" = /usr/bin/quillon ] || fail "quillon is not on the PATH"
  # Links to a tool whose package is only recommended may dangle.
  while read -r rel program package relation; do
    if [ "$relation" = depends ] || dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
      [ -x "$appdir/$rel" ] || fail "$appdir/$rel does not lead to $program ($package)"
    fi
  done <"$tools"
  built=$(cd "$build/bin/translations" && ls -- *.qm 2>/dev/null || true)
  installed=$(cd "$appdir/translations" && ls -- *.qm 2>/dev/null || true)
  [ "$built" = "$installed" ] || fail "installed translations differ from the build's: [$installed] against [$built]"

  binaries=("$appdir/quillon")
  [ "$helper" != 1 ] || binaries+=("$helper_path")
  if command -v hardening-check >/dev/null; then
    # Control-flow protection needs a toolchain whose start files carry the
    # CET marks; Debian 12's do not, so no binary built there can have it.
    hardening-check --nocfprotection "${binaries[@]}" >"$out/hardening.log" 2>&1 ||
      { cat "$out/hardening.log"; fail "hardening-check"; }
    cat "$out/hardening.log"
  else
    echo "hardening-check is not installed (package devscripts): hardening not checked"
  fi

  if polkit_up; then
    for _ in $(seq 1 50); do pkaction --action-id "$action" >/dev/null 2>&1 && break; sleep 0.1; done
    details=$(pkaction --action-id "$action" --verbose) || fail "polkit does not know $action"
    grep -Eq "implicit active: +auth_admin_keep" <<<"$details" || fail "$details"
    grep -Eq "org.freedesktop.policykit.exec.path -> $helper_path" <<<"$details" || fail "$details"
    echo "polkit: $action known, auth_admin_keep for the active user, for $helper_path"
  else
    echo "no polkit here (pkaction and polkitd, package polkitd): the action file is checked by tst_packagefiles only"
  fi

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
  grep -Fxq "startup: tool $appdir/7z/7z found" <<<"$report" || fail "7-Zip is missing"
  grep -Fxq "startup: tool $appdir/cdrtools/mkisofs found" <<<"$report" || fail "the image builder is missing"
  grep -Fxq "startup: translation $appdir/translations/$qm $expected" <<<"$report" || fail "translation $qm not $expected"
  [ -d "$home/.local/share/quillon" ] || fail "no data folder in the user's home"
  rm -rf "$home"
  [ "$before" = "$(snapshot)" ] || fail "the program changed $appdir while running"

  files=$(dpkg-query -L quillon)
  start=$(date +%s%N)
  dpkg --purge quillon >"$out/purge.log" 2>&1 || { cat "$out/purge.log"; fail "purge"; }
  echo "purged in $(seconds "$start" "$(date +%s%N)") s"
  left=""
  while read -r path; do
    [ "$path" != /. ] || continue
    if [ -e "$path" ] || [ -L "$path" ]; then
      dpkg-query -S "$path" >/dev/null 2>&1 || left="$left $path"
    fi
  done <<<"$files"
  for path in "$appdir" /usr/libexec/quillon /usr/share/doc/quillon /var/lib/dpkg/info/quillon.list; do
    [ ! -e "$path" ] || left="$left $path"
  done
  [ -z "$left" ] || fail "left behind:$left"
  if polkit_up; then
    # polkitd rereads its actions when the folder changes.
    for _ in $(seq 1 50); do pkaction --action-id "$action" >/dev/null 2>&1 || break; sleep 0.1; done
    ! pkaction --action-id "$action" >/dev/null 2>&1 || fail "polkit still knows $action after the purge"
  fi
  ;;
*)
  fail "unknown step $step"
  ;;
esac
