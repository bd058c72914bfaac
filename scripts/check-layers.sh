#!/usr/bin/env bash
# Fails when a file includes a project header from a layer it must not depend on.
# Layers, bottom up: core; storage; the operations (generators, compositing, filters,
# exchange); params; command; ui; the feature dialogs (*/ui); app and cli.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [core]="core"
  [storage]="storage"
  [generators]="core storage generators"
  [compositing]="core storage compositing exchange"
  [filters]="core filters"
  [exchange]="core storage exchange imagelib"
  [params]="core storage generators compositing filters exchange params"
  [command]="core command"
  [ui]="core storage params command ui"
  [generators/ui]="core command storage generators params ui generators/ui"
  [compositing/ui]="core command storage compositing exchange filters params ui compositing/ui"
  [filters/ui]="core command filters params ui filters/ui"
  [exchange/ui]="core command storage exchange params ui exchange/ui"
  [app]="core command storage generators compositing filters exchange params ui generators/ui compositing/ui filters/ui exchange/ui app runtime"
  [cli]="core command storage generators compositing filters exchange params cli"
)

status=0
for layer in "${!allowed[@]}"; do
  [[ -d $layer ]] || continue
  # The files of this layer, without those of a deeper layer inside it (generators/ui in generators).
  while IFS= read -r file; do
    rel=${file#"$layer"/}
    if [[ $layer != */ui && $rel == ui/* ]]; then continue; fi
    while IFS= read -r target; do
      ok=0
      for prefix in ${allowed[$layer]}; do
        if [[ $target == "$prefix"/* ]]; then
          # generators/ui/... must be allowed as such, not through "generators".
          deeper=${target#"$prefix"/}
          if [[ $deeper == ui/* && " ${allowed[$layer]} " != *" $prefix/ui "* ]]; then continue; fi
          ok=1
          break
        fi
      done
      if ((ok == 0)); then
        echo "$file includes $target: not below $layer" >&2
        status=1
      fi
    done < <(sed -n 's/^#include "\([a-z_]*\/[^"]*\)".*/\1/p' "$file")
  done < <(find "$layer" -type f \( -name '*.h' -o -name '*.cpp' \))
done
exit $status
