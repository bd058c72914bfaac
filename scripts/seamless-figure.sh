#!/usr/bin/env bash
# Makes the README's figure of Make Seamless from vospren-cli, or measures its figures
# over a set of generated photograph-like pictures.
#
#   scripts/seamless-figure.sh [--cli PATH] [OUT.png]   the figure (default docs/make-seamless.png)
#   scripts/seamless-figure.sh [--cli PATH] --table     seam, detail and contrast of every method
#                                                       and axis choice over the set, as a table
#
# The pictures are drawn with ImageMagick (plasma clouds and terrain, gravel, grass, bark,
# a sky over hills), at several sizes, odd ones included. Figures, per picture:
#   seam      seam-report's ratio (wrap difference over inside difference; about 1: no seam),
#             the mean of the two axes, or the chosen one;
#   detail    standard deviation of the picture minus its Gaussian blur of sigma 2, after
#             over before, the mean of the three channels;
#   contrast  standard deviation after over before, the mean of the three channels.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cli=""
table=0
out="$here/docs/make-seamless.png"
while [[ $# -gt 0 ]]; do
  case $1 in
    --cli) cli=$2; shift 2 ;;
    --table) table=1; shift ;;
    *) out=$1; shift ;;
  esac
done
if [[ -z "$cli" ]]; then
  for candidate in "$here/build/release/bin/vospren-cli" "$here/build/test/bin/vospren-cli"; do
    [[ -x "$candidate" ]] && { cli=$candidate; break; }
  done
fi
[[ -x "$cli" ]] || { echo "vospren-cli not found; build it or pass --cli PATH" >&2; exit 1; }
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=0

# picture NAME W H: one photograph-like picture into $work/NAME.png.
picture() {
  local name=$1 w=$2 h=$3 file="$work/$1.png"
  case $name in
    clouds*) convert -seed 11 -size "${w}x$h" plasma:skyblue-white -blur 0x1 "$file" ;;
    terrain*) convert -seed 5 -size "${w}x$h" plasma:fractal -blur 0x1.2 -modulate 100,60 "$file" ;;
    gravel*)
      convert -seed 3 -size "${w}x$h" xc:gray50 +noise Random -blur 0x2.5 -normalize \
        +level-colors '#3b2a1e,#e0d0b4' \( -size "${w}x$h" plasma:tan-sienna -blur 0x6 \) \
        -compose SoftLight -composite \
        -attenuate 0.4 +noise Gaussian "$file" ;;
    grass*)
      convert -seed 8 -size "${w}x$h" xc:gray50 +noise Random -channel G -motion-blur 0x9+80 +channel \
        -blur 0x0.7 -normalize -fill '#3a7d22' -tint 80 \
        \( -size "${w}x$h" gradient:'#a0c060-#305020' \) -compose Multiply -composite "$file" ;;
    bark*)
      convert -seed 21 -size "${w}x$h" xc:gray50 +noise Random -virtual-pixel mirror -motion-blur 0x25+95 -blur 0x1 -normalize \
        -fill '#6b4a2b' -tint 100 -attenuate 0.3 +noise Gaussian "$file" ;;
    hills*)
      convert -seed 2 -size "${w}x$h" gradient:'#6fa8dc-#f4f0e0' \
        \( -size "${w}x$h" plasma:darkgreen-olive -blur 0x1 \) \
        \( -size "${w}x$h" gradient:black-white -sigmoidal-contrast 18,55% \) -composite \
        -attenuate 0.25 +noise Gaussian "$file" ;;
  esac
  # Through vospren-cli once, so that every figure compares files of the same kind.
  "$cli" load "$file" save "$file" >/dev/null
}

# stats FILE: the standard deviations of the three channels, then of their fine detail.
stats() {
  convert "$1" -alpha off -separate -format "%[fx:standard_deviation]\n" info:
  convert "$1" -alpha off \( +clone -gaussian-blur 0x2 \) -compose Mathematics \
    -define compose:args=0,-1,1,0.5 -composite -separate -format "%[fx:standard_deviation]\n" info:
}

# seams FILE: the seam ratio of columns and of rows.
seams() { "$cli" load "$1" seam-report | awk '{print $3}'; }

# figures BEFORE AFTER AXES: "seam detail contrast" (seam of the axes chosen).
figures() {
  paste <(stats "$1") <(stats "$2") | awk -v seams="$(seams "$2" | tr '\n' ' ')" -v axes="$3" '
    { r = $2 / $1; if (NR <= 3) c += r / 3; else d += r / 3 }
    END {
      split(seams, s, " ")
      seam = axes == "x" ? s[1] : axes == "y" ? s[2] : (s[1] + s[2]) / 2
      printf "%.3f %.3f %.3f\n", seam, d, c
    }'
}

# apply IN OUT METHOD AXES: METHOD "render" or a make-seamless method.
apply() {
  if [[ $3 == render ]]; then
    "$cli" load "$1" render-connectable save "$2" >/dev/null
  else
    "$cli" load "$1" make-seamless "$3" "$4" save "$2" >/dev/null
  fi
}

if [[ $table == 1 ]]; then
  sizes=("640 480" "451 427" "300 300" "512 341")
  echo "| picture | method | axes | seam | detail | contrast | seam x | seam y |"
  echo "|---|---|---|---|---|---|---|---|"
  for kind in clouds terrain gravel grass bark hills; do
    for size in "${sizes[@]}"; do
      read -r w h <<<"$size"
      name="$kind-${w}x$h"
      picture "$name" "$w" "$h"
      for run in "render both" "periodic both" "periodic x" "periodic y" "blend both" "blend x" "blend y"; do
        read -r method axes <<<"$run"
        apply "$work/$name.png" "$work/out.png" "$method" "$axes"
        read -r seam detail contrast <<<"$(figures "$work/$name.png" "$work/out.png" "$axes")"
        read -r sx sy <<<"$(seams "$work/out.png" | tr '\n' ' ')"
        echo "| $name | $method | $axes | $seam | $detail | $contrast | $sx | $sy |"
      done
    done
  done
  exit 0
fi

# The figure: the picture and its three results, each tiled 2 x 2, with their figures.
picture hills-360x270 360 270
src="$work/hills-360x270.png"
tile() { convert "$1" \( +clone \) +append \( +clone \) -append "$2"; }
tile "$src" "$work/t0.png"
read -r s0x s0y <<<"$(seams "$src" | tr '\n' ' ')"
labels=("as it is: seam $(awk -v a="$s0x" -v b="$s0y" 'BEGIN{printf "%.2f", (a+b)/2}')")
panels=("$work/t0.png")
i=1
for run in "render Render Connectable" "periodic Periodic" "blend Blend"; do
  read -r method title <<<"$run"
  apply "$src" "$work/r$i.png" "$method" both
  read -r seam detail contrast <<<"$(figures "$src" "$work/r$i.png" both)"
  tile "$work/r$i.png" "$work/t$i.png"
  labels+=("$title: seam $seam, detail $detail, contrast $contrast")
  panels+=("$work/t$i.png")
  i=$((i + 1))
done
args=()
for k in 0 1 2 3; do args+=(-label "${labels[$k]}" "${panels[$k]}"); done
montage "${args[@]}" -tile 2x2 -geometry +6+6 -pointsize 18 -background white "$out"
echo "wrote $out"
