#!/usr/bin/python3
"""Tab and Enter in a real interactive bash on a pseudo-terminal, over profile names and a card's
mount point (which the card's label chooses) made to break out of each quoting context.

Each case types a partial word unquoted, after a single quote and after a double quote, presses
Tab, puts a command that prints its arguments in front of the line and presses Enter: the
completed word must reach it as exactly the name, and nothing in the name may have run.

usage: interactive_quoting_test.py COMPLETION_SCRIPT MARLIX_CLI_TEST
(MARLIX_CLI_TEST is the build of marlix-cli that lists the cards of a fixture mount table.)
"""
import os
import pty
import re
import select
import subprocess
import sys
import tempfile

# Each name holds "$(touch pwned)" or a backquoted "touch pwned" where quoting that is wrong for
# the context would let it run; a name ending in a quote or "!" must still leave the quote closed.
PROFILES = [
    "q$(touch pwned)x",
    "b`touch pwned`x",
    'u"$(touch pwned)"',
    "s'$(touch pwned)'",
    'k\\"$(touch pwned)\\',
    "h!!'x!",
    "w ith $(touch pwned) space",
    "c:o$(touch pwned)",
]
# A card's label chooses its mount point's last name, which may hold a newline as well (a
# profile name may not).
CARDS = ["r$(touch pwned)", "n$(touch pwned)\n'\"\\!`touch pwned`x"]
CONTEXTS = ["", "'", '"']


def build_card_fixture(work, roots):
    """A system disk and removable cards mounted at roots, as the fixture scan reads them."""
    sysfs = os.path.join(work, "sys")

    def write(path, text):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)

    def link(path, target):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        os.symlink(os.path.relpath(target, os.path.dirname(path)), path)

    def disk(name, device, parent, removable, partition, partition_device):
        parent_dir = os.path.join(sysfs, "devices", parent)
        for block, number, folder in [
            (name, device, os.path.join(parent_dir, "block", name)),
            (partition, partition_device, os.path.join(parent_dir, "block", name, partition)),
        ]:
            write(os.path.join(folder, "dev"), number + "\n")
            link(os.path.join(sysfs, "dev", "block", number), folder)
            link(os.path.join(sysfs, "class", "block", block), folder)
        disk_dir = os.path.join(parent_dir, "block", name)
        write(os.path.join(disk_dir, "removable"), removable + "\n")
        write(os.path.join(disk_dir, partition, "partition"), "1\n")
        link(os.path.join(disk_dir, "device"), parent_dir)

    disk("sda", "8:0", "pci0000:00/0000:00:17.0/ata1/host1/target1:0:0/1:0:0:0", "0", "sda2",
         "8:2")
    mount_table = "22 1 8:2 / / rw,relatime - ext4 /dev/sda2 rw\n"
    for i, root in enumerate(roots, 1):
        name, host, minor = "sd" + chr(ord("a") + i), i + 1, 16 * i
        disk(name, f"8:{minor}",
             f"pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host{host}/target{host}:0:0/{host}:0:0:0",
             "1", name + "1", f"8:{minor + 1}")
        os.makedirs(root)
        # The mount table writes blanks and backslashes in octal, as the kernel does.
        field = "".join("\\%03o" % ord(c) if c in " \t\n\\" else c for c in root)
        mount_table += f"{40 + i} 22 8:{minor + 1} / {field} rw,relatime - vfat /dev/{name}1 rw\n"
        write(os.path.join(work, "udev", f"b8:{minor + 1}"), "E:ID_FS_LABEL_ENC=CAM\n")
    write(os.path.join(work, "mountinfo"), mount_table)
    return {
        "MARLIX_TEST_MOUNTINFO": os.path.join(work, "mountinfo"),
        "MARLIX_TEST_SYSFS": sysfs,
        "MARLIX_TEST_UDEV_DATA": os.path.join(work, "udev"),
    }


class Shell:
    PROMPT = b"<prompt>"
    CONTINUED = b"<more>"

    def __init__(self, rcfile, env, cwd):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            os.chdir(cwd)
            os.execve("/bin/bash", ["bash", "--noprofile", "--rcfile", rcfile, "-i"], env)
        self.output = b""

    def read_until(self, pattern, timeout=60.0):
        """The output before the first match of pattern and the match, or None when the shell
        stops answering."""
        while True:
            match = re.search(pattern, self.output)
            if match:
                before = self.output[:match.start()]
                self.output = self.output[match.end():]
                return before, match.group(0)
            ready, _, _ = select.select([self.fd], [], [], timeout)
            chunk = os.read(self.fd, 4096) if ready else b""
            if not chunk:
                return None
            self.output += chunk

    def send(self, text):
        os.write(self.fd, text.encode())

    def run(self, line, turn):
        """Enters line and returns what it printed. A line left waiting for a quote's end is
        given up with Ctrl-C. The number that ends the output is printed by arithmetic so that
        the echo of the typed command cannot be taken for it."""
        printed = b""
        self.send(f"{line}\recho :done:$(({turn})):\r")
        while True:
            got = self.read_until(rb":done:%d:|%s" % (turn, re.escape(Shell.CONTINUED)))
            if not got:
                return None
            printed += got[0]
            if got[1] != Shell.CONTINUED:
                return printed
            # Typeahead sent with Ctrl-C is lost, so the new prompt is waited for.
            self.send("\x03")
            if not self.read_until(re.escape(Shell.PROMPT)):
                return None
            self.send(f"echo :done:$(({turn})):\r")

    def close(self):
        os.close(self.fd)
        os.waitpid(self.pid, 0)


def main():
    completion, cli = (os.path.realpath(a) for a in sys.argv[1:3])
    with tempfile.TemporaryDirectory() as work:
        cards = os.path.join(work, "cards")
        env = {
            "PATH": os.path.join(work, "bin") + ":/usr/bin:/bin",
            "HOME": work,
            "TERM": "dumb",
            "LANG": "C.UTF-8",
            "INPUTRC": "/dev/null",
            **build_card_fixture(work, [os.path.join(cards, card) + "/" for card in CARDS]),
        }
        os.makedirs(os.path.join(work, "bin"))
        os.symlink(cli, os.path.join(work, "bin", "marlix-cli"))
        profiles = os.path.join(work, "profiles")
        os.makedirs(profiles)
        for name in PROFILES:
            subprocess.run([cli, "new", name], cwd=profiles, env=env, check=True,
                           stdout=subprocess.DEVNULL)
        rcfile = os.path.join(work, "rc")
        with open(rcfile, "w", encoding="utf-8") as f:
            f.write(
                "source /usr/share/bash-completion/bash_completion\n"
                f"source '{completion}'\n"
                # The arguments in hexadecimal, so that a newline or quote in them is plain.
                "args() { printf 'ARGS'; for a; do printf ' %s' "
                "\"$(printf %s \"$a\" | od -An -v -tx1 | tr -d ' \\n')\"; done; echo ' END'; }\n"
                f"PS1='{Shell.PROMPT.decode()}' PS2='{Shell.CONTINUED.decode()}'\n")

        # What is typed is the name's first letters, with a colon, where readline's own word
        # starts when no quote is open.
        cases = [(context, ["show", context + re.match("[a-z:]+", name).group(0)], name)
                 for name in PROFILES for context in CONTEXTS]
        cases += [(context, ["eject", context + os.path.join(cards, card[0])],
                   os.path.join(cards, card) + "/") for card in CARDS for context in CONTEXTS]
        shell = Shell(rcfile, env, profiles)
        failed = 0
        try:
            for turn, (context, typed, name) in enumerate(cases):
                # Tab completes the word; Ctrl-A and "args " put the printing command in front.
                printed = shell.run("marlix-cli " + " ".join(typed) + "\t\x01args ", turn)
                if printed is None:
                    print("FAIL: the interactive bash stopped answering")
                    return 1
                got = re.search(rb"ARGS([0-9a-f ]*) END", printed)
                received = got and [bytes.fromhex(a.decode()) for a in got.group(1).split()]
                expected = [b"marlix-cli", typed[0].encode(), name.encode()]
                ran = os.path.exists(os.path.join(profiles, "pwned"))
                if received != expected or ran:
                    failed += 1
                    print(f"FAIL: {typed[0]} {context!r} + Tab on {name!r}\n"
                          f"  received: {received}\n  ran a command: {ran}")
                    if ran:
                        os.remove(os.path.join(profiles, "pwned"))
            shell.send("exit\r")
        finally:
            shell.close()
        print(f"interactive completion: {len(cases) - failed} passed, {failed} failed")
        return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
