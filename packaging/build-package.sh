#!/bin/bash
# Builds the Debian packages as a Debian builder would: a source package from
# the checkout's files, unpacked again into a fresh tree, and dpkg-buildpackage
# there (source and binary). `make package` and the package tests both call it.
#   packaging/build-package.sh [OUT]        OUT defaults to build/package
# OUT receives quillon_<version>.dsc and .tar.xz, quillon_<version>_<arch>.deb,
# quillon-dbgsym_<version>_<arch>.deb, the .buildinfo, the .changes and
# build.log. An unchanged source is not built again; QUILLON_PACKAGE_REBUILD=1
# forces a build, QUILLON_JOBS sets the parallel jobs (default: all cores).
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$src/build/package}
mkdir -p "$out"
out=$(cd "$out" && pwd)
version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
changes=$out/quillon_${version}_${arch}.changes
stage=$out/source
tree=quillon-$version

# The tracked and new files, without what .gitignore keeps out (build trees).
rm -rf "$stage"
mkdir -p "$stage/$tree"
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$src" && git ls-files -z --cached --others --exclude-standard |
     while IFS= read -r -d '' f; do
       if [ -e "$f" ] || [ -L "$f" ]; then printf '%s\0' "$f"; fi # deleted, not yet committed
     done | tar --null -T - -cf -) | tar -xf - -C "$stage/$tree"
else
  (cd "$src" && tar --exclude=./build --exclude='./build-*' --exclude=./debian/.debhelper -cf - .) |
    tar -xf - -C "$stage/$tree"
fi
sum=$(tar --sort=name --mtime=@0 --owner=0 --group=0 --numeric-owner -C "$stage" -cf - "$tree" | sha256sum | cut -d' ' -f1)
if [ "${QUILLON_PACKAGE_REBUILD:-0}" != 1 ] && [ -e "$changes" ] && [ "$(cat "$out/source.sha256" 2>/dev/null)" = "$sum" ]; then
  rm -rf "$stage"
  echo "The source is unchanged since the last build: $changes"
  exit 0
fi
rm -f "$out/source.sha256" "$out"/quillon*_"$version"*

(cd "$stage" && dpkg-source --build "$tree") >"$out/build.log" 2>&1 || { cat "$out/build.log"; exit 1; }
rm -rf "${out:?}/$tree"
dpkg-source --extract "$stage/quillon_$version.dsc" "$out/$tree" >>"$out/build.log" 2>&1 ||
  { cat "$out/build.log"; exit 1; }

# debhelper points HOME at a scratch folder, so ccache needs its folder named.
if command -v ccache >/dev/null; then
  CCACHE_DIR=${CCACHE_DIR:-$(ccache --get-config cache_dir)}
  export CCACHE_DIR
fi
echo "Building $tree in $out/$tree (log: $out/build.log)"
start=$(date +%s)
if ! (cd "$out/$tree" && dpkg-buildpackage --no-sign -J"${QUILLON_JOBS:-$(nproc)}") >>"$out/build.log" 2>&1; then
  tail -n 60 "$out/build.log"
  echo "dpkg-buildpackage failed; the tree is kept in $out/$tree" >&2
  exit 1
fi
rm -rf "${out:?}/$tree" "$stage"
echo "$sum" >"$out/source.sha256"
echo "Built in $(($(date +%s) - start)) s:"
(cd "$out" && ls -1 quillon*_"$version"*)
