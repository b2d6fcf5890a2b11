#!/usr/bin/env python3
"""Times marlix from exec to its window being shown, and its peak memory, against a bare Qt
dialog of the same size, in the same run and the same X server (Xvfb).

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


def window_shown(title, env):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                         env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    return out.returncode == 0 and out.stdout.strip() != b""


def one_run(binary, title, env):
    with tempfile.TemporaryDirectory() as work:
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
            time.sleep(0.5)  # let it settle; the peak includes the first paint
            peak = peak_rss_kib(proc.pid)
        finally:
            proc.kill()
            proc.wait()
    return shown, peak


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
        results = {"marlix": [], "bare": []}
        one_run(bare, "BARE", env)  # warm the file cache for both
        one_run(marlix, "MARLIX", env)
        for _ in range(runs):
            results["bare"].append(one_run(bare, "BARE", env))
            results["marlix"].append(one_run(marlix, "MARLIX", env))
    finally:
        xvfb.terminate()  # lets the server remove its lock file
        xvfb.wait()

    def summary(name):
        times = [r[0] * 1000 for r in results[name]]
        peaks = [r[1] / 1024 for r in results[name]]
        return statistics.median(times), statistics.median(peaks)

    m_time, m_peak = summary("marlix")
    b_time, b_peak = summary("bare")
    print(f"runs: {runs} each, medians")
    print(f"bare dialog: window shown after {b_time:7.1f} ms, peak memory {b_peak:6.1f} MiB")
    print(f"marlix:      window shown after {m_time:7.1f} ms, peak memory {m_peak:6.1f} MiB")
    print(f"ratio:       time {m_time / b_time:.2f}x, memory {m_peak / b_peak:.2f}x (target 1.5x)")


if __name__ == "__main__":
    main()
