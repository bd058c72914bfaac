#!/usr/bin/env bash
# Runs one validator of the desktop integration files; 77 (skipped) when its
# Debian package is not installed.
#   desktop_files_test.sh desktop FILE | metainfo FILE | manual FILE.gz...
set -euo pipefail
kind=$1
shift
need() { command -v "$1" >/dev/null || { echo "$1 is not installed ($2): skipped"; exit 77; }; }
case "$kind" in
  desktop)
    need desktop-file-validate desktop-file-utils
    out=$(desktop-file-validate "$@" 2>&1) || { echo "$out"; exit 1; }
    # Hints are not failures for the tool, but a clean file has none.
    [[ -z "$out" ]] || { echo "$out"; exit 1; } ;;
  metainfo)
    need appstreamcli appstream
    appstreamcli validate --no-net --pedantic "$@" ;;
  manual)
    need groff groff-base
    for page in "$@"; do
      out=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
      [[ -z "$out" ]] || { echo "$page: $out"; exit 1; }
    done ;;
  *) echo "unknown kind $kind"; exit 2 ;;
esac
