#!/usr/bin/env bash
# Installs the Debian packages that vospren builds and tests with (and, when asked, the
# tools the benchmarks compare with).
# Idempotent: only what is missing is installed, nothing is downloaded otherwise.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-dev libomp-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg62-turbo-dev libpng-dev zlib1g-dev
  # the PNG writer: fast deflate, checksums, OpenMP for clang, the file checker of its tests
  libisal-dev libdeflate-dev pngcheck
  # the transforms of Make Seamless
  libfftw3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  binutils xvfb xauth xclip fonts-dejavu-core
  clang-format git
  # the Debian package and the checks of the desktop integration files
  dpkg-dev file desktop-file-utils appstream groff-base man-db
)

# Optional, for the whole-process comparisons of bench/compare-tools.sh only (never
# needed to build or test): WITH_BENCH_TOOLS=1 installs them too.
if [[ -n ${WITH_BENCH_TOOLS:-} ]]; then
  packages+=(hyperfine imagemagick gegl)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}" >&2
SUDO=""
if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
