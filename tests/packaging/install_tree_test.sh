#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the tree file by file, moves
# it elsewhere and starts the programs from there: both must find their two
# libraries from their own place, with no LD_LIBRARY_PATH.
#   install_tree_test.sh BUILD_DIR BINDIR LIBDIR PRIVATE_LIBDIR INCLUDEDIR DATADIR MANDIR VERSION
set -euo pipefail
build=$1 bindir=$2 libdir=$3 private=$4 includedir=$5 datadir=$6 mandir=$7 version=$8
unset LD_LIBRARY_PATH

work=$(mktemp -d)
trap 'kill "${gui:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/first" >/dev/null

expected=(
  "$bindir/vospren" "$bindir/vospren-cli"
  "$private/libTolvanea.Runtime.so" "$private/libpelgrast.so"
  "$includedir/tolvanea/runtime.h" "$libdir/pkgconfig/tolvanea-runtime.pc"
  "$datadir/applications/vospren.desktop" "$datadir/metainfo/org.tolvanea.vospren.metainfo.xml"
  "$datadir/icons/hicolor/scalable/apps/vospren.svg"
  "$mandir/man1/vospren.1.gz" "$mandir/man1/vospren-cli.1.gz" "$datadir/doc/vospren/copyright")
for size in 16 24 32 48 64 128 256; do expected+=("$datadir/icons/hicolor/${size}x${size}/apps/vospren.png"); done
actual=$(cd "$work/first" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[[ "$actual" == "$wanted" ]] || fail "install tree differs:"$'\n'"$(diff <(echo "$wanted") <(echo "$actual") || true)"
for program in vospren vospren-cli; do
  [[ -x "$work/first/$bindir/$program" ]] || fail "$program is not executable"
  readelf -d "$work/first/$bindir/$program" | grep -q "RUNPATH.*\$ORIGIN/" || fail "$program has no \$ORIGIN RUNPATH"
done

# Moved after installing: nothing may depend on the prefix it was installed to.
mv "$work/first" "$work/moved"
root="$work/moved"

LD_DEBUG=files "$root/$bindir/vospren-cli" seed 7 new 16 16 circles 2 6 20 save "$work/tile.png" 2>"$work/cli.log" ||
  fail "vospren-cli did not run: $(grep -v '^ *[0-9]*:' "$work/cli.log" | head -5)"
[[ -s "$work/tile.png" ]] || fail "vospren-cli wrote no picture"
grep -q "file=$root/$private/libpelgrast.so" "$work/cli.log" || fail "vospren-cli did not bind the moved libpelgrast.so"

# --help and --version need no display.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/$bindir/vospren" --version)
[[ "$out" == "vospren $version" ]] || fail "vospren --version said '$out'"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/$bindir/vospren" --help | grep -q "^Usage: vospren" ||
  fail "vospren --help"

# The program itself binds both libraries from the moved tree and opens the picture.
# It runs until closed: watch the loader's log, then end it.
mkdir "$work/data"
KorvintePicture="$work/data" XDG_CONFIG_HOME="$work/data" QT_QPA_PLATFORM=offscreen LD_DEBUG=files \
  "$root/$bindir/vospren" "$work/tile.png" 2>"$work/gui.log" &
gui=$!
for _ in $(seq 1 300); do
  grep -q "file=$root/$private/libpelgrast.so" "$work/gui.log" && break
  kill -0 "$gui" 2>/dev/null || break
  sleep 0.1
done
grep -q "file=$root/$private/libTolvanea.Runtime.so" "$work/gui.log" || fail "vospren did not bind the moved runtime library"
grep -q "file=$root/$private/libpelgrast.so" "$work/gui.log" || fail "vospren did not bind the moved libpelgrast.so"
kill -0 "$gui" 2>/dev/null || fail "vospren ended at start-up: $(grep -v '^ *[0-9]*:' "$work/gui.log" | tail -5)"
kill "$gui"
wait "$gui" 2>/dev/null || true
gui=

# A host finds the runtime's header and library through pkg-config.
if command -v pkg-config >/dev/null; then
  export PKG_CONFIG_PATH="$root/$libdir/pkgconfig"
  cflags=$(pkg-config --cflags tolvanea-runtime)
  library=$(pkg-config --variable=runtime_library tolvanea-runtime)
  [[ -f "$library" ]] || fail "pkg-config names $library, which is not there"
  echo '#include <tolvanea/runtime.h>
int main(void) { RuntimeRoot root; root.size = sizeof root; return root.size == 0; }' >"$work/host.c"
  # shellcheck disable=SC2086
  cc -std=c11 -fsyntax-only $cflags "$work/host.c" || fail "the installed header does not compile from its pkg-config flags"
fi
echo "install tree: ${#expected[@]} files, moved and started"
