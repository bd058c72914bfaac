#!/usr/bin/env bash
# Fails when the map of the tree (docs/architecture.md, or the files given) names a
# path or a code name that the tree does not have. Checked are the texts in
# backticks outside fenced blocks:
#  - paths: anything with a slash or a source file's extension; "name.*" and globs
#    must match at least one file, "{h,cpp}" lists each file, a bare file name must
#    exist somewhere in the tree;
#  - code names: identifiers, Class::member, call forms ("name(...)", "name<T>(...)");
#    each must occur as a word in a C or C++ file (or, for a target, a CMakeLists.txt),
#    and a member in a file that also names its class.
# Texts with placeholders ("<Name>", "..."), options and command lines are not checked.
set -euo pipefail
cd "$(dirname "$0")/.."

maps=("$@")
((${#maps[@]})) || maps=(docs/architecture.md)

# Source files of the program, its tests and benchmarks, and the build files that
# name its targets (never build trees).
mapfile -t sources < <(find . -path './build*' -prune -o -path ./.git -prune -o \
  -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.c' -o -name CMakeLists.txt \) -print)
words=$(mktemp)
trap 'rm -f "$words"' EXIT
grep -ohE '[A-Za-z_][A-Za-z0-9_]*' "${sources[@]}" | sort -u >"$words"

status=0
missing() {
  echo "$1:$2: $3" >&2
  status=1
}

has_word() { grep -qxF -- "$1" "$words"; }

check_path() {  # map, line, path
  local map=$1 line=$2 path=${3%/}
  local -a expanded=()
  if [[ $path =~ ^(.*)\{([^}]*)\}(.*)$ ]]; then
    local IFS=,
    for alt in ${BASH_REMATCH[2]}; do expanded+=("${BASH_REMATCH[1]}$alt${BASH_REMATCH[3]}"); done
  else
    expanded=("$path")
  fi
  local one
  for one in "${expanded[@]}"; do
    if [[ $one != */* ]]; then
      # A bare file name, as in "rectangle_generator.*, polygon_generator.*".
      [[ -n $(find . -path './build*' -prune -o -path ./.git -prune -o -name "$one" -print -quit) ]] ||
        missing "$map" "$line" "no file named '$one' in the tree"
      continue
    fi
    if [[ $one == *'*'* ]]; then
      compgen -G "$one" >/dev/null || missing "$map" "$line" "no file matches '$one'"
    elif [[ ! -e $one ]]; then
      missing "$map" "$line" "no such path '$one'"
    fi
  done
}

check_name() {  # map, line, name
  local map=$1 line=$2 name=$3
  name=${name%%(*}   # call forms: the name before the arguments
  name=${name%%<*}   # templates: the name before the arguments
  if [[ $name == *::* ]]; then
    local class=${name%%::*} member=${name##*::}
    if ! has_word "$class"; then
      missing "$map" "$line" "no code names '$class' (from '$3')"
      return
    fi
    # The member in a file that also names the class (its header or its source).
    local file
    for file in $(grep -lw -- "$member" "${sources[@]}" 2>/dev/null); do
      grep -qw -- "$class" "$file" && return
    done
    missing "$map" "$line" "no member '$member' of '$class' in the code (from '$3')"
    return
  fi
  has_word "$name" || missing "$map" "$line" "no code names '$name'"
}

for map in "${maps[@]}"; do
  fenced=0 n=0
  while IFS= read -r text; do
    n=$((n + 1))
    if [[ $text == '```'* ]]; then
      fenced=$((1 - fenced))
      continue
    fi
    ((fenced)) && continue
    rest=$text
    while [[ $rest =~ \`([^\`]+)\`(.*)$ ]]; do
      token=${BASH_REMATCH[1]}
      rest=${BASH_REMATCH[2]}
      if [[ $token =~ ^[A-Za-z_][A-Za-z0-9_]*(::[A-Za-z_~][A-Za-z0-9_]*)*(\<[^\>]*\>)?(\(.*\))?$ ]]; then
        check_name "$map" "$n" "$token"
      elif [[ $token == *'<'* || $token == *...* || $token == *' '* || $token =~ ^\.[a-z]+$ ]]; then
        continue  # placeholders, elided parts, command lines, a bare extension
      elif [[ $token == */* || $token =~ \.(h|cpp|c|md|sh|txt|cmake)$ || $token =~ \.\*$ ]]; then
        check_path "$map" "$n" "$token"
      fi
    done
  done <"$map"
done

if ((status)); then
  echo "The map names what the tree does not have: mend the map or the names above." >&2
fi
exit $status
