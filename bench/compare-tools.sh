#!/usr/bin/env bash
# Whole-process comparisons of vospren-cli with other tools on pictures of our own,
# on one core (taskset) and on every core, timed in turn by hyperfine (or `time`
# when it is missing). Prints the times and the sizes of the files written.
#
#   bench/compare-tools.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR is a Release build (default build/release), RUNS the runs a command
# (default 5). ImageMagick's convert is compared when installed, GEGL's gegl too
# (for the PNG saves only with WITH_GEGL_SAVE=1: it takes minutes a run). The PNG
# saves come first; SKIP_RENDER=1 leaves out the render-connectable comparison.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-5}
cli=$(realpath "$build/bin/vospren-cli")
[[ -x $cli ]] || { echo "no vospren-cli in $build/bin" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# A 4096² picture of flat shapes, and the same under noise of up to 25 %.
"$cli" seed 7 new 4096 4096 circles 8 200 2000 rectangles 8 8 300 300 2000 save flat.bmp
"$cli" load flat.bmp noise 25 0 3 save grainy.bmp
"$cli" load grainy.bmp save grainy.png
# A photograph's stand-in: smooth gradients with fine grain (ImageMagick's seeded plasma).
pictures=(grainy flat)
if command -v convert > /dev/null; then
  convert -seed 7 -size 4096x4096 plasma:fractal -blur 0x1 -type TrueColor BMP3:photo.bmp
  "$cli" load photo.bmp save photo.png
  pictures+=(photo)
fi

time_commands() {  # label, commands...
  local label=$1
  shift
  echo "== $label"
  if command -v hyperfine > /dev/null; then
    hyperfine --style basic --warmup 1 --runs "$runs" "$@" 2>&1 | grep -E "^Benchmark|Time \(mean|±|faster than" || true
  else
    for c in "$@"; do
      /usr/bin/time -f "%e s  $c" bash -c "$c"
    done
  fi
}

pin_for() { [[ $1 == one ]] && echo "taskset -c 0 " || true; }

for cores in one all; do
  pin=$(pin_for $cores)
  for picture in "${pictures[@]}"; do
    commands=("${pin}$cli load $picture.bmp save ours_$picture.png"
              "${pin}$cli png-compression small load $picture.bmp save small_$picture.png")
    command -v convert > /dev/null && commands+=("${pin}convert $picture.bmp magick_$picture.png")
    [[ -n ${WITH_GEGL_SAVE:-} ]] && command -v gegl > /dev/null && commands+=("${pin}gegl -i $picture.bmp -o gegl_$picture.png")
    time_commands "$picture 4096², $cores core(s): save as PNG" "${commands[@]}"
  done
done

if [[ -z ${SKIP_RENDER:-} ]]; then
  for cores in one all; do
    pin=$(pin_for $cores)
    for picture in grainy photo; do
      [[ -f $picture.png ]] || continue
      commands=("${pin}$cli load $picture.png render-connectable save seamless_$picture.png")
      command -v gegl > /dev/null && commands+=("${pin}gegl $picture.png -o gegl_seamless_$picture.png -- gegl:tile-seamless")
      time_commands "$picture.png 4096², $cores core(s): render connectable" "${commands[@]}"
    done
  done
fi

echo "== sizes (bytes)"
for f in *.png; do
  printf '%-22s %10d' "$f" "$(stat -c %s "$f")"
  if command -v pngcheck > /dev/null; then pngcheck -q "$f" > /dev/null && printf '  pngcheck OK' || printf '  pngcheck FAILED'; fi
  echo
done
