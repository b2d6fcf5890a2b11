#!/usr/bin/env python3
"""Times marlix from exec to its window being shown, and its peak memory, against a bare Qt
dialog of the same size, in the same run and the same X server (Xvfb).

"Shown" is the moment the X server reports the window viewable (mapped): the device rows are
there by then, while the drives' size and version.txt may still be on their way from the
background probe. Peak memory is the high-water mark of resident memory 0.5 s later, after the
first paint. Two starts are measured, each in a fresh folder: the first start, which creates
cfg.ini, and a later start, which reads the cfg.ini a first start left. The two programs take
turns, so that a busy machine slows both alike.

usage: startup_bench.py MARLIX BARE_DIALOG [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def free_display():
    for n in range(150, 250):
        if not os.path.exists(f"/tmp/.X{n}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{n}"):
            return f":{n}"
    raise SystemExit("no free X display number")


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def cpu_ms(pid):
    """Time the process has spent on a processor so far: unlike the time on the clock, it does not
    grow when other work on a busy machine holds the processor."""
    with open(f"/proc/{pid}/schedstat") as stat:
        return int(stat.read().split()[0]) / 1e6


def window_shown(title, env):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                         env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    return out.returncode == 0 and out.stdout.strip() != b""


def one_run(binary, title, env, cfg=None):
    with tempfile.TemporaryDirectory() as work:
        if cfg:
            shutil.copy(cfg, os.path.join(work, "cfg.ini"))
        start = time.perf_counter()
        log = open(os.path.join(work, "log"), "w+")
        proc = subprocess.Popen([binary], cwd=work, env=env, stdout=log, stderr=log)
        try:
            while not window_shown(title, env):
                if proc.poll() is not None:
                    log.seek(0)
                    raise SystemExit(f"{binary} ended (status {proc.returncode}) before showing "
                                     f"its window:\n{log.read()}")
                if time.perf_counter() - start > 20:
                    raise SystemExit(f"{binary} showed no window within 20 s")
            shown = time.perf_counter() - start
            cpu = cpu_ms(proc.pid)
            time.sleep(0.5)  # let it settle; the peak includes the first paint
            peak = peak_rss_kib(proc.pid)
        finally:
            proc.kill()
            proc.wait()
    return shown, peak, cpu


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    marlix, bare = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            raise SystemExit(f"{tool} is not installed")
    display = free_display()
    # -noreset: the server would otherwise reset, and refuse connections, as each client leaves.
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1600x1000x24", "-nolisten", "tcp",
                             "-noreset"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=display)
    env.pop("QT_QPA_PLATFORM", None)
    try:
        for _ in range(200):  # until the server takes connections
            if subprocess.run(["xdotool", "getmouselocation"], env=env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0:
                break
            time.sleep(0.05)
        golden = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests",
                              "data", "profiles", "first_run_cfg.ini")
        starts = {"first start": None, "later start": golden}
        results = {(start, name): [] for start in starts for name in ("marlix", "bare")}
        one_run(bare, "BARE", env)  # warm the file cache for both
        one_run(marlix, "MARLIX", env)
        for _ in range(runs):
            for start, cfg in starts.items():
                results[(start, "bare")].append(one_run(bare, "BARE", env))
                results[(start, "marlix")].append(one_run(marlix, "MARLIX", env, cfg))
    finally:
        xvfb.terminate()  # lets the server remove its lock file
        xvfb.wait()

    print(f"runs: {runs} of each program for each start; medians (fastest in brackets)")
    for start in starts:
        figures = {}
        for name in ("bare", "marlix"):
            times = [r[0] * 1000 for r in results[(start, name)]]
            peaks = [r[1] / 1024 for r in results[(start, name)]]
            cpus = [r[2] for r in results[(start, name)]]
            figures[name] = (statistics.median(times), min(times), statistics.median(peaks),
                             statistics.median(cpus))
        print(f"{start}:")
        for name, label in (("bare", "bare dialog"), ("marlix", "marlix")):
            median, fastest, peak, cpu = figures[name]
            print(f"  {label:12} window shown after {median:6.1f} ms ({fastest:5.1f}), "
                  f"{cpu:5.1f} ms on a processor, peak memory {peak:5.1f} MiB")
        (m_time, m_fast, m_peak, m_cpu) = figures["marlix"]
        (b_time, b_fast, b_peak, b_cpu) = figures["bare"]
        print(f"  ratio        time {m_time / b_time:.2f}x ({m_fast / b_fast:.2f}x), "
              f"processor {m_cpu / b_cpu:.2f}x, memory {m_peak / b_peak:.2f}x "
              "(target: within 1.2x)")


if __name__ == "__main__":
    main()
