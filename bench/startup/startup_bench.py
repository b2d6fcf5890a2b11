#!/usr/bin/env python3
"""Times marlix from exec to its window being shown, and its peak memory, against a bare Qt
dialog of the same size, in the same run and the same X server (Xvfb).

"Shown" is the moment the X server reports the window mapped, as an X client that listens for it
hears it (the script is one, through libxcb). marlix lists the drives right after, before its
first paint, and their size and version.txt come later from the background probe. Peak memory
is the high-water mark of resident memory 0.5 s later, after the first paint. Two starts are
measured, each in a fresh folder: the first start, which creates cfg.ini, and a later start,
which reads the cfg.ini a first start left. The two programs take turns, so that a busy machine
slows both alike, and the four starts of a round come in a shuffled order, so that no start
always follows the same one.

Both programs start with a session bus of the script's own, as on a desktop, where there always
is one. Without one (--no-session-bus), the first time a program asks for the bus Qt's D-Bus
library forks a helper that tries to start one: a cost no desktop user pays, and one that falls
before the window is mapped or after it depending on when a program first asks. marlix asks while
it builds its window (the first caption it sets wakes Qt's accessibility bridge, which connects to
the bus), the bare dialog only once its window is shown; the figures also depended on whether the
shell the script ran in had a bus.

usage: startup_bench.py [--no-session-bus] MARLIX BARE_DIALOG [RUNS]
"""
import ctypes
import ctypes.util
import os
import random
import select
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


class MapWatcher:
    """Hears top-level windows being mapped on the X server's first screen, through libxcb, which
    every Qt for X11 brings. Listening costs nothing while the programs start, where polling with
    a tool started again and again would take a processor from them and see the window late."""

    MAP_NOTIFY = 19
    SUBSTRUCTURE_NOTIFY = 0x80000
    CW_EVENT_MASK = 0x800
    WM_NAME = 39

    class ScreenIterator(ctypes.Structure):
        _fields_ = [("data", ctypes.POINTER(ctypes.c_uint32)), ("rem", ctypes.c_int),
                    ("index", ctypes.c_int)]

    class Cookie(ctypes.Structure):
        _fields_ = [("sequence", ctypes.c_uint)]

    class MapNotify(ctypes.Structure):
        _fields_ = [("response_type", ctypes.c_uint8), ("pad0", ctypes.c_uint8),
                    ("sequence", ctypes.c_uint16), ("event", ctypes.c_uint32),
                    ("window", ctypes.c_uint32), ("override_redirect", ctypes.c_uint8)]

    def __init__(self, display):
        xcb = ctypes.CDLL(ctypes.util.find_library("xcb") or "libxcb.so.1")
        self.libc = ctypes.CDLL(None)
        self.libc.free.argtypes = [ctypes.c_void_p]
        xcb.xcb_connect.restype = ctypes.c_void_p
        xcb.xcb_connect.argtypes = [ctypes.c_char_p, ctypes.POINTER(ctypes.c_int)]
        xcb.xcb_connection_has_error.argtypes = [ctypes.c_void_p]
        xcb.xcb_get_setup.restype = ctypes.c_void_p
        xcb.xcb_get_setup.argtypes = [ctypes.c_void_p]
        xcb.xcb_setup_roots_iterator.restype = self.ScreenIterator
        xcb.xcb_setup_roots_iterator.argtypes = [ctypes.c_void_p]
        xcb.xcb_change_window_attributes_checked.restype = self.Cookie
        xcb.xcb_change_window_attributes_checked.argtypes = [
            ctypes.c_void_p, ctypes.c_uint32, ctypes.c_uint32, ctypes.POINTER(ctypes.c_uint32)]
        xcb.xcb_request_check.restype = ctypes.c_void_p
        xcb.xcb_request_check.argtypes = [ctypes.c_void_p, self.Cookie]
        xcb.xcb_get_file_descriptor.argtypes = [ctypes.c_void_p]
        xcb.xcb_poll_for_event.restype = ctypes.c_void_p
        xcb.xcb_poll_for_event.argtypes = [ctypes.c_void_p]
        xcb.xcb_get_property.restype = self.Cookie
        xcb.xcb_get_property.argtypes = [ctypes.c_void_p, ctypes.c_uint8, ctypes.c_uint32,
                                         ctypes.c_uint32, ctypes.c_uint32, ctypes.c_uint32,
                                         ctypes.c_uint32]
        xcb.xcb_get_property_reply.restype = ctypes.c_void_p
        xcb.xcb_get_property_reply.argtypes = [ctypes.c_void_p, self.Cookie, ctypes.c_void_p]
        xcb.xcb_get_property_value.restype = ctypes.c_void_p
        xcb.xcb_get_property_value.argtypes = [ctypes.c_void_p]
        xcb.xcb_get_property_value_length.argtypes = [ctypes.c_void_p]
        xcb.xcb_disconnect.argtypes = [ctypes.c_void_p]
        self.xcb = xcb
        self.conn = xcb.xcb_connect(display.encode(), None)
        if not self.conn or xcb.xcb_connection_has_error(self.conn):
            raise OSError(f"cannot connect to the X server {display}")
        root = xcb.xcb_setup_roots_iterator(xcb.xcb_get_setup(self.conn)).data[0]
        mask = (ctypes.c_uint32 * 1)(self.SUBSTRUCTURE_NOTIFY)
        error = xcb.xcb_request_check(
            self.conn, xcb.xcb_change_window_attributes_checked(self.conn, root,
                                                                self.CW_EVENT_MASK, mask))
        if error:
            self.libc.free(error)
            raise OSError("the X server refused to report its windows being mapped")
        self.fd = xcb.xcb_get_file_descriptor(self.conn)

    def title(self, window):
        reply = self.xcb.xcb_get_property_reply(
            self.conn, self.xcb.xcb_get_property(self.conn, 0, window, self.WM_NAME, 0, 0, 256),
            None)
        if not reply:
            return b""
        try:
            return ctypes.string_at(self.xcb.xcb_get_property_value(reply),
                                    self.xcb.xcb_get_property_value_length(reply))
        finally:
            self.libc.free(reply)

    def wait(self, title, timeout):
        """Seconds from now until a top-level window with that title is mapped; None when none is
        within the timeout."""
        deadline = time.perf_counter() + timeout
        while True:
            event = self.xcb.xcb_poll_for_event(self.conn)
            if event:
                notify = self.MapNotify.from_address(event)
                mapped = (notify.response_type & 0x7F) == self.MAP_NOTIFY and \
                    not notify.override_redirect
                window = notify.window
                self.libc.free(event)
                if mapped and self.title(window) == title.encode():
                    return time.perf_counter()
                continue
            left = deadline - time.perf_counter()
            if left <= 0:
                return None
            select.select([self.fd], [], [], min(left, 0.05))

    def drain(self):
        while event := self.xcb.xcb_poll_for_event(self.conn):
            self.libc.free(event)

    def close(self):
        self.xcb.xcb_disconnect(self.conn)


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def cpu_ms(pid):
    """Time the process's main thread has spent on a processor so far: unlike the time on the
    clock, it does not grow when other work on a busy machine holds the processor. Work done
    meanwhile on other threads (marlix reads the font configuration on one) is not in it."""
    with open(f"/proc/{pid}/schedstat") as stat:
        return int(stat.read().split()[0]) / 1e6


def one_run(watcher, binary, title, env, cfg=None):
    with tempfile.TemporaryDirectory() as work:
        if cfg:
            shutil.copy(cfg, os.path.join(work, "cfg.ini"))
        log = open(os.path.join(work, "log"), "w+")
        watcher.drain()
        start = time.perf_counter()
        proc = subprocess.Popen([binary], cwd=work, env=env, stdout=log, stderr=log)
        try:
            while True:
                mapped = watcher.wait(title, 0.2)
                if mapped is not None:
                    break
                if proc.poll() is not None:
                    log.seek(0)
                    raise SystemExit(f"{binary} ended (status {proc.returncode}) before showing "
                                     f"its window:\n{log.read()}")
                if time.perf_counter() - start > 20:
                    raise SystemExit(f"{binary} showed no window within 20 s")
            shown = mapped - start
            cpu = cpu_ms(proc.pid)
            time.sleep(0.5)  # let it settle; the peak includes the first paint
            peak = peak_rss_kib(proc.pid)
        finally:
            proc.kill()
            proc.wait()
    return shown, peak, cpu


def ratio_interval(numerators, denominators, resamples=2000):
    """The 95 % bootstrap interval of median(numerators) / median(denominators): on a machine whose
    speed wanders it tells whether a ratio is above a target or only seems to be."""
    pick = random.Random(1)
    ratios = sorted(
        statistics.median(pick.choices(numerators, k=len(numerators))) /
        statistics.median(pick.choices(denominators, k=len(denominators)))
        for _ in range(resamples))
    return ratios[int(resamples * 0.025)], ratios[int(resamples * 0.975) - 1]


def start_session_bus():
    """A session bus for this run alone: its process and the address to give the programs."""
    if not shutil.which("dbus-daemon"):
        raise SystemExit("dbus-daemon is not installed (or pass --no-session-bus)")
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    address = bus.stdout.readline().strip()
    if not address:
        bus.wait()
        raise SystemExit("dbus-daemon did not start a session bus")
    return bus, address


def main():
    args = sys.argv[1:]
    session_bus = "--no-session-bus" not in args
    args = [arg for arg in args if arg != "--no-session-bus"]
    if len(args) < 2:
        raise SystemExit(__doc__)
    marlix, bare = os.path.abspath(args[0]), os.path.abspath(args[1])
    runs = int(args[2]) if len(args) > 2 else 10
    if not shutil.which("Xvfb"):
        raise SystemExit("Xvfb is not installed")
    display = free_display()
    # -noreset: the server would otherwise reset, and refuse connections, as each client leaves.
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1600x1000x24", "-nolisten", "tcp",
                             "-noreset"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=display)
    env.pop("QT_QPA_PLATFORM", None)
    env.pop("DBUS_SESSION_BUS_ADDRESS", None)
    env.pop("AT_SPI_BUS_ADDRESS", None)
    bus = None
    watcher = None
    try:
        if session_bus:
            bus, env["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus()
        for _ in range(200):  # until the server takes connections
            try:
                watcher = MapWatcher(display)
                break
            except OSError:
                time.sleep(0.05)
        if watcher is None:
            raise SystemExit(f"the X server {display} did not start")
        golden = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests",
                              "data", "profiles", "first_run_cfg.ini")
        starts = {"first start": None, "later start": golden}
        results = {(start, name): [] for start in starts for name in ("marlix", "bare")}
        one_run(watcher, bare, "BARE", env)  # warm the file cache for both
        one_run(watcher, marlix, "MARLIX", env)
        order = random.Random(0)  # a fixed seed: every run of the script takes the same orders
        programs = {"bare": (bare, "BARE"), "marlix": (marlix, "MARLIX")}
        turns = [(start, name) for start in starts for name in programs]
        for _ in range(runs):
            order.shuffle(turns)
            for start, name in turns:
                binary, title = programs[name]
                cfg = starts[start] if name == "marlix" else None  # the bare dialog reads none
                results[(start, name)].append(one_run(watcher, binary, title, env, cfg))
    finally:
        if watcher is not None:
            watcher.close()
        xvfb.terminate()  # lets the server remove its lock file
        xvfb.wait()
        if bus is not None:
            bus.terminate()
            bus.wait()

    print(f"runs: {runs} of each program for each start, "
          f"{'with a session bus' if session_bus else 'without a session bus'}; "
          "medians (fastest, and for the time ratio a bootstrap interval, in brackets)")
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
                  f"{cpu:5.1f} ms on the main thread, peak memory {peak:5.1f} MiB")
        (m_time, m_fast, m_peak, m_cpu) = figures["marlix"]
        (b_time, b_fast, b_peak, b_cpu) = figures["bare"]
        low, high = ratio_interval([r[0] for r in results[(start, "marlix")]],
                                   [r[0] for r in results[(start, "bare")]])
        print(f"  ratio        time {m_time / b_time:.2f}x ({m_fast / b_fast:.2f}x; "
              f"95 % interval {low:.2f}x-{high:.2f}x), "
              f"main thread {m_cpu / b_cpu:.2f}x, memory {m_peak / b_peak:.2f}x "
              "(targets: time within 1.1x, memory within 1.15x)")


if __name__ == "__main__":
    main()
