#!/usr/bin/env bash
# The README's commands and the links of the README and docs/ still hold:
# every relative link names a file of the source tree; every command line (the
# indented ones) starts with a script of the tree or a program on the PATH,
# and what it names in build/ is there in the build tree.
#   readme_check.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source=$1 build=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

for page in "$source/README.md" "$source"/docs/*.md; do
  while IFS= read -r target; do
    target=${target%%#*}
    [ -n "$target" ] || continue
    [ -e "$(dirname "$page")/$target" ] || fail "${page#"$source"/} links to $target, which is not there"
  done < <(grep -o '\](\([^)]*\))' "$page" | sed 's/^](\(.*\))$/\1/' | grep -v '^[a-z]*:' || true)
done

commands=0
while IFS= read -r line; do
  read -r -a words <<<"${line%%#*}"
  [ ${#words[@]} -gt 0 ] || continue
  [ "${words[0]}" != sudo ] || words=("${words[@]:1}")
  program=${words[0]}
  if [[ $program == */* ]]; then
    [ -x "$source/$program" ] || fail "README runs $program, which is not an executable of the tree"
  else
    command -v "$program" >/dev/null || fail "README runs $program, which is not on the PATH"
  fi
  skip=
  for word in "${words[@]:1}"; do
    if [ -n "$skip" ]; then skip=; continue; fi
    case $word in
      -B|-o) skip=1 ;;  # an output folder, made by the command
      build/*\**) ;;
      build/*) [ -e "$build/${word#build/}" ] || fail "README's '$line' names $word, which the build has not made" ;;
    esac
  done
  commands=$((commands + 1))
done < <(sed -n 's/^    \([^ |].*\)$/\1/p' "$source/README.md")
[ "$commands" -ge 5 ] || fail "only $commands command lines found in the README"
echo "readme: $commands commands and every link hold"
