#!/usr/bin/env python3
"""Peak private memory of the headless viewer stepping through photographs.

    bench/peak_private.py REPLAY FOLDER [--scale N] [--script TEXT]

Runs the replay driver (REPLAY --scale N -- FOLDER) with a script on its
standard input and reads /proc/PID/smaps_rollup every millisecond until it
ends. Private_Dirty is what the viewer alone costs (not the shared pages of
its libraries that VmHWM counts); the kernel keeps no peak of it, so the
highest value read is reported, with the number of reads. The default
script jumps to picture 6 (a 6000x4000 photograph among the samples), steps
to the next and back.
"""
import argparse
import subprocess
import sys
import time

DEFAULT_SCRIPT = "key J\ndialog 6\ndialog-ok\nkey Space\nkey BackSpace\n"


def private_dirty_kib(pid):
    try:
        with open(f"/proc/{pid}/smaps_rollup") as f:
            for line in f:
                if line.startswith("Private_Dirty:"):
                    return int(line.split()[1])
    except (FileNotFoundError, ProcessLookupError):
        return None
    return None


def vm_hwm_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("replay")
    parser.add_argument("folder")
    parser.add_argument("--scale", type=int, default=1)
    parser.add_argument("--script", default=DEFAULT_SCRIPT)
    args = parser.parse_args()

    # The script is written after the start, so the driver waits for it
    # while the first reads are taken; it ends the driver at its end.
    viewer = subprocess.Popen([args.replay, "--scale", str(args.scale), "--", args.folder],
                              stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
    viewer.stdin.write(args.script.encode())
    viewer.stdin.close()
    peak, reads, hwm = 0, 0, None
    deadline = time.monotonic() + 60
    while viewer.poll() is None:
        if time.monotonic() > deadline:
            viewer.kill()
            sys.exit("the replay driver did not end within 60 s")
        kib = private_dirty_kib(viewer.pid)
        if kib is not None:
            peak, reads = max(peak, kib), reads + 1
            try:
                hwm = vm_hwm_kib(viewer.pid) or hwm  # an ending process has none
            except (FileNotFoundError, ProcessLookupError):
                pass
        time.sleep(0.001)
    if viewer.returncode != 0:
        sys.exit(f"the replay driver failed with exit code {viewer.returncode}")
    print(f"scale {args.scale}: peak Private_Dirty {peak / 1024:.1f} MiB "
          f"({reads} reads), last VmHWM read {hwm / 1024 if hwm else 0:.1f} MiB")


if __name__ == "__main__":
    main()
