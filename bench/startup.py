#!/usr/bin/env python3
"""Start-up benchmark: process start to first paint, and peak memory, of the
settings program beside a minimal Qt program that shows the same photo
maximised. Both are run alternately in one command; the report gives
min / median and the program's ratio to the baseline.

    bench/startup.py BUILD_DIR [RUNS]

Runs on Qt's offscreen platform, and under Xvfb + openbox when both exist.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(command, env):
    start = time.monotonic_ns()
    child = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    out = child.stdout.read().decode()
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0 or "first_paint_ns=" not in out:
        raise RuntimeError(f"{command[0]} failed: status {status}, output {out!r}")
    painted = int(out.split("first_paint_ns=")[1].split()[0])
    return (painted - start) / 1e6, usage.ru_maxrss / 1024.0  # ms, MB


def measure(label, programs, env, runs):
    results = {name: ([], []) for name in programs}
    for _ in range(runs):
        for name, command in programs.items():
            ms, mb = run_once(command, env)
            results[name][0].append(ms)
            results[name][1].append(mb)
    print(f"\n{label} ({runs} runs each, alternating)")
    print(f"{'':10} {'first paint ms (min / median)':>30} {'peak RSS MB (median)':>22}")
    for name, (times, mems) in results.items():
        print(f"{name:10} {min(times):14.1f} / {statistics.median(times):6.1f} {statistics.median(mems):22.1f}")
    (pt, pm), (bt, bm) = results["settings"], results["baseline"]
    print(f"{'ratio':10} {min(pt) / min(bt):14.2f} / {statistics.median(pt) / statistics.median(bt):6.2f}"
          f" {statistics.median(pm) / statistics.median(bm):22.2f}")


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    programs = {
        "settings": [os.path.join(build, "bench", "startup_settings")],
        "baseline": [os.path.join(build, "bench", "startup_baseline"), os.path.join(root, "resources", "board_photo.jpg")],
    }
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen:configfile=" + os.path.join(root, "tests", "screen_1280x1024.json"))
    measure("offscreen, 1280 x 1024", programs, env, runs)

    if shutil.which("Xvfb") and shutil.which("openbox"):
        with tempfile.TemporaryDirectory() as work:
            runtime = os.path.join(work, "runtime")
            os.mkdir(runtime, 0o700)
            read_fd, write_fd = os.pipe()
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                    pass_fds=[write_fd], stderr=subprocess.DEVNULL)
            os.close(write_fd)
            display = ":" + os.read(read_fd, 16).decode().strip()
            env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
            env.update(DISPLAY=display, XDG_RUNTIME_DIR=runtime)
            wm = subprocess.Popen(["openbox", "--sm-disable"], env=env, stderr=subprocess.DEVNULL)
            time.sleep(0.5)
            try:
                measure("Xvfb + openbox, 1280 x 1024", programs, env, runs)
            finally:
                wm.terminate()
                xvfb.terminate()
                wm.wait()
                xvfb.wait()


if __name__ == "__main__":
    main()
