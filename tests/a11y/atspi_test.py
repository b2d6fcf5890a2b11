#!/usr/bin/python3
"""The window as a screen reader sees it, through AT-SPI over D-Bus (run under dbus-run-session).

Starts an X server and the window with one stand-in card, then, as an assistive client:
1. chooses each tab by name, then walks the whole tree of the window (every page, shown or hidden)
   and fails on any object that can take the focus or shows data (lists, sliders, buttons, pictures, pages...) and has no name;
2. drives one task by accessible names alone: choose the profile "rally", choose "Fine" on the
   Video page and +1.0 on the Image page's EV slider, try to leave for another profile (the
   question, Cancel), Save Profile, Delete and Undo, Burst chosen by its toggle action over a
   timed Auto Shoot, Set; and checks what reached cfg.ini and the card's camera.conf;
3. on the way, opens the card row's menu with a right click and finds its entries in the tree.

usage: atspi_test.py WINDOW_PROGRAM FIRST_RUN_CFG_INI
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

TIMEOUT = 20  # seconds for any one thing to happen

# Objects that show data or act, named or not by what they show.
NAMED_ROLES = {
    "application", "dialog", "table", "list", "list item", "page tab list",
    "page tab", "slider", "check box", "radio button", "push button", "image", "icon", "entry",
    "text", "spin button", "combo box", "menu item", "progress bar",
}


def wait_for(what, check):
    end = time.monotonic() + TIMEOUT
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError(f"not within {TIMEOUT} s: {what}")
        time.sleep(0.05)


def free_display():
    for n in range(251, 350):
        if not os.path.exists(f"/tmp/.X{n}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{n}"):
            return n
    raise SystemExit("no free X display number")


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def walk(acc, path=()):
    yield acc, path
    try:
        kids = children(acc)
    except Exception:  # gone while walked (a closed box)
        return
    for child in kids:
        try:
            step = f"{child.getRoleName()} '{child.name}'"
        except Exception:  # gone while walked
            continue
        yield from walk(child, path + (step,))


def find_where(root, role, test):
    for acc, _ in walk(root):
        try:
            if acc.getRoleName() == role and test(acc.name):
                return acc
        except Exception:  # gone while walked (a closed box)
            continue
    return None


def find(root, role, name):
    return find_where(root, role, lambda n: n == name)


def act(acc, *names):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in names:
            action.doAction(i)
            return
    raise AssertionError(f"{acc.getRoleName()} '{acc.name}' has none of the actions {names}")


def checked(acc):
    return acc.getState().contains(pyatspi.STATE_CHECKED)


def unnamed(app):
    problems = []
    for acc, path in walk(app):
        role = acc.getRoleName()
        focusable = acc.getState().contains(pyatspi.STATE_FOCUSABLE)
        if (focusable or role in NAMED_ROLES) and not acc.name.strip():
            problems.append(" > ".join(path) or role)
    return problems


def section(text, name):
    lines, inside = {}, False
    for line in text.splitlines():
        if line.startswith("["):
            inside = line.strip() == f"[{name}]"
        elif inside and "=" in line:
            key, value = line.split("=", 1)
            lines[key] = value
    return lines


def read(path):
    try:
        with open(path, encoding="utf-8", newline="") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def run(program, golden, work):
    # Two profiles; "rally" differs from "default" in its video quality.
    with open(golden, encoding="utf-8", newline="") as f:
        first_run = f.read()
    rally = first_run[first_run.index("[profile-default]"):]
    rally = rally.replace("[profile-default]", "[profile-rally]").replace(
        "video_quality=sfine", "video_quality=normal")
    cfg = os.path.join(work, "cfg.ini")
    with open(cfg, "w", encoding="utf-8", newline="") as f:
        f.write(first_run + rally)
    card = os.path.join(work, "card")
    os.mkdir(card)

    display = free_display()
    env = dict(os.environ, DISPLAY=f":{display}", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               MARLIX_TEST_CARD=card)
    env.pop("QT_QPA_PLATFORM", None)
    started = []
    try:
        xvfb = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", "1600x1000x24",
                                 "-nolisten", "tcp", "-noreset"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        started.append(xvfb)
        wait_for("the X server", lambda: os.path.exists(f"/tmp/.X11-unix/X{display}"))
        log = open(os.path.join(work, "window.log"), "w+")
        window = subprocess.Popen([program], cwd=work, env=env, stdout=log, stderr=log)
        started.append(window)

        def the_app():
            if window.poll() is not None:
                log.seek(0)
                raise AssertionError(f"the window ended early:\n{log.read()}")
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.get_process_id() == window.pid:
                    return app if find(app, "push button", "Set") else None
            return None

        app = wait_for("the window on the accessibility bus", the_app)

        # A page is made when its tab is first chosen: choose each, then walk the whole tree.
        for tab in ("Video Setting", "Photo Setting", "System Setting", "Image Setting",
                    "Mode Setting"):
            act(find(app, "page tab", tab), "Press", "Switch")
            wait_for(f"the page {tab}", lambda: find(app, "dialog", tab))
        problems = unnamed(app)
        assert not problems, "objects without a name:\n  " + "\n  ".join(problems)

        # Choose the profile "rally": the pages show what it holds.
        profiles = find(app, "list", "Profiles")
        names = [item.name for item in children(profiles)]
        assert names == ["default", "rally"], names
        act(children(profiles)[1], "Toggle", "Press")
        normal = find(app, "radio button", "Video Quality, Normal")
        wait_for("rally's video quality on the Video page", lambda: checked(normal))

        # A setting on the Video page and one on the Image page.
        act(find(app, "page tab", "Video Setting"), "Press", "Switch")
        fine = find(app, "radio button", "Video Quality, Fine")
        act(fine, "Toggle", "Press")
        wait_for("Fine chosen", lambda: checked(fine))
        act(find(app, "page tab", "Image Setting"), "Press", "Switch")
        ev = find(app, "slider", "EV")
        ev.queryValue().currentValue = 9
        wait_for("the EV slider's text to follow", lambda: ev.description == "+1.0")

        # Unsaved: the entry says so, and leaving for another profile asks; Cancel stays.
        wait_for("the unsaved marker", lambda: children(profiles)[1].name == "rally, unsaved changes")
        act(children(profiles)[0], "Toggle", "Press")
        discard = wait_for("the question", lambda: find(app, "push button", "Discard"))
        act(find(discard.parent, "push button", "Cancel"), "Press")
        wait_for("the question gone", lambda: not find(app, "push button", "Discard"))
        assert checked(fine) and children(profiles)[1].getState().contains(
            pyatspi.STATE_SELECTED), "Cancel lost the choice or the pages"

        act(find(app, "push button", "Save Profile"), "Press")
        wait_for("the marker gone", lambda: children(profiles)[1].name == "rally")
        wait_for("rally saved", lambda: section(read(cfg), "profile-rally").get(
            "video_quality") == "fine" and section(read(cfg), "profile-rally").get(
            "image_ev") == "+1.0")
        default = section(read(cfg), "profile-default")
        assert default["video_quality"] == "sfine" and default["image_ev"] == "0.0", default

        # Delete rally, then Undo in the note: cfg.ini is as it was.
        saved = read(cfg)
        act(find(app, "push button", "Del Profile"), "Press")
        wait_for("rally deleted", lambda: "[profile-rally]" not in read(cfg))
        act(wait_for("the note's Undo", lambda: find(app, "push button",
                                                      "Undo the deletion of profile rally")),
            "Press")
        wait_for("rally back", lambda: read(cfg) == saved)
        wait_for("rally listed", lambda: [c.name for c in children(profiles)] == names)

        # Burst chosen by its toggle action while Auto Shoot is timed: Auto Shoot is switched off
        # and greyed, as a click does.
        act(find(app, "page tab", "Photo Setting"), "Press", "Switch")
        timed = find_where(app, "radio button", lambda n: n.endswith(", 3 Seconds"))
        act(timed, "Toggle", "Press")
        wait_for("3 Seconds chosen", lambda: checked(timed))
        burst = find_where(app, "radio button", lambda n: "Burst" in n and n.endswith(", 3 P"))
        act(burst, "Toggle", "Press")
        wait_for("Auto Shoot greyed", lambda: not timed.getState().contains(
            pyatspi.STATE_SENSITIVE))

        # Set, once the card has answered.
        drives = find(app, "table", "Removable drives")
        wait_for("the card's row", lambda: drives.queryTable().nRows == 1 and
                 drives.queryTable().getAccessibleAt(0, 2).name not in ("", "Reading..."))

        # The card row's menu, opened with a right click, is in the tree while it is open, and
        # goes with Escape.
        cell = drives.queryTable().getAccessibleAt(0, 0).queryComponent()
        x, y, w, h = cell.getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "3"],
                       env=env, check=True)
        wait_for("the open menu with Load from Card", lambda: find(app, "menu item",
                                                                   "Load from Card"))
        subprocess.run(["xdotool", "key", "Escape"], env=env, check=True)
        wait_for("the menu closed", lambda: not find(app, "menu item", "Load from Card"))
        act(find(app, "push button", "Set"), "Press")
        conf = os.path.join(card, "camera.conf")
        wait_for("camera.conf on the card", lambda: "image_ev=+1.0\r\n" in read(conf))
        assert "video_quality=fine\r\n" in read(conf), read(conf)
        wait_for("the burst on the card", lambda: "auto_shoot=off\r\nphoto_burst=3p\r\n" in read(conf))
        print(f"accessibility: {sum(1 for _ in walk(app))} objects named; profile chosen, "
              "two pages changed, left, saved, deleted, undone, burst toggled and set by name")
        return 0
    finally:
        for proc in reversed(started):
            proc.send_signal(signal.SIGTERM)
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    program, golden = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    work = tempfile.mkdtemp(prefix="marlix-atspi-")
    try:
        try:
            return run(program, golden, work)
        except AssertionError as failure:
            print(f"accessibility: FAILED: {failure}", file=sys.stderr)
            return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
