#!/usr/bin/env bash
# tools/setup.sh with fake apt-get, sudo and dpkg-query first on the PATH: the
# fake dpkg-query reports the packages named in FAKE_MISSING as not installed
# (and asks the real one about the rest); apt-get and sudo record their
# arguments. Each case says which packages the setup must install, or that it
# must call neither apt-get nor sudo: with its packages present, ./run.sh
# needs no root and installs nothing. (The test purpose is left out: it also
# fetches a source package and may add apt sources, which a test must not.)
#   setup_check.sh SOURCE_DIR
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$work/bin"
real_dpkg_query=$(command -v dpkg-query)
cat >"$work/bin/dpkg-query" <<FAKE
#!/usr/bin/env bash
"$real_dpkg_query" "\$@" | while IFS= read -r line; do
  for name in \$FAKE_MISSING; do
    [ "\${line##* }" = "\$name" ] && line="un  \$name"
  done
  printf '%s\\n' "\$line"
done
FAKE
for tool in apt-get sudo; do
  printf '#!/usr/bin/env bash\necho "%s $*" >>"%s"\n' "$tool" "$work/calls" >"$work/bin/$tool"
done
chmod +x "$work/bin"/*

# purpose | packages reported missing | the packages it must install ("-": no call)
cases=(
  "run  |                         | -"
  "run  | valgrind libgtest-dev   | -"
  "run  | libjpeg-dev             | libjpeg-dev"
)
for row in "${cases[@]}"; do
  IFS='|' read -r purpose missing expected <<<"$row"
  purpose=$(echo $purpose) missing=$(echo $missing) expected=$(echo $expected)
  : >"$work/calls"
  PATH="$work/bin:$PATH" FAKE_MISSING="$missing" "$source/tools/setup.sh" "$purpose" \
    >"$work/out" 2>&1 || fail "setup.sh $purpose failed with '$missing' missing: $(cat "$work/out")"
  if [ "$expected" = - ]; then
    [ ! -s "$work/calls" ] || fail "setup.sh $purpose with '$missing' missing called: $(tr "\n" ";" <"$work/calls")"
  else
    installs=$(grep -o 'apt-get install .*' "$work/calls" | tr ' ' '\n' | grep -v '^-' | tail -n +3 |
               xargs)
    [ "$installs" = "$expected" ] ||
      fail "setup.sh $purpose with '$missing' missing installed '$installs', not '$expected'"
  fi
done
echo "setup: installs exactly what is missing for each purpose, and nothing when all is there"
