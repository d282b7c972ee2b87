#!/usr/bin/env bash
# The viewer's start-up, phase by phase, from exec to the first picture on the
# X server: medians of RUNS fresh processes of kovlo_startup_bench under one
# Xvfb without a window manager.
#   bench/startup/startup.sh [FOLDER [RUNS]]
# FOLDER defaults to a folder of one 6000x4000 JPEG made with ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/../.."
bench=build/bench/startup/kovlo_startup_bench
[ -x "$bench" ] || { echo "build $bench first (ninja -C build kovlo_startup_bench)" >&2; exit 1; }
folder=${1:-} runs=${2:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -z "$folder" ]; then
    folder=$work/photo
    mkdir -p "$folder"
    convert -size 6000x4000 gradient:orange-navy -attenuate 0.3 +noise Gaussian \
        -sampling-factor 2x2 -quality 90 "$folder/photo.jpg"
fi

# One line of "name value" pairs per run, after a warm-up that is not counted.
cat >"$work/run_all.sh" <<RUN
"$bench" "\$(date +%s%N)" "$folder" >/dev/null 2>&1
for _ in \$(seq "$runs"); do "$bench" "\$(date +%s%N)" "$folder"; done
RUN
xvfb-run -a -s "-screen 0 1920x1080x24" bash "$work/run_all.sh" >"$work/runs.txt"

# Median of each phase over the runs.
python3 - "$work/runs.txt" <<'PY'
import statistics, sys
rows = [line.split() for line in open(sys.argv[1]) if line.strip()]
names = rows[0][0::4]
print(f"{len(rows)} runs, medians. CPU time counts every thread of the process;")
print("peak is the process's VmHWM at the end of the phase.")
print(f"| phase | wall ms | CPU ms | peak MiB |")
print(f"| --- | --- | --- | --- |")
for i, name in enumerate(names):
    wall, cpu, peak = (statistics.median(float(r[4 * i + k]) for r in rows) for k in (1, 2, 3))
    print(f"| {name} | {wall:.1f} | {cpu:.1f} | {peak:.1f} |")
PY
