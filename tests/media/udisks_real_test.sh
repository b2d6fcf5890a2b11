#!/usr/bin/env bash
# Mount and eject through the real UDisks2, as file managers do it. As root, in a mount namespace
# of its own: a private system bus (dbus-daemon), udevd with one rule (the file system probe of
# loop devices) and a /dev of its own, and udisksd; an ext2 image on a loop device stands in for
# the card. marlix runs in a namespace below that one, where UDisks2's mounts reach it and where
# the loop device is marked removable. Nothing outside sees any of it: the services are stopped by
# their process ids, the namespaces end with them, and the loop device is detached. Last, the bus
# daemon is stopped: mount and eject must give up on it, and the window must still end.
# usage: udisks_real_test.sh MARLIX_CLI WINDOW_TEST
# Exit status 77 (skipped) where root, a tool or the namespaces are missing.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
skip() {
    echo "SKIP: $*"
    exit 77
}

if [ -z "${MARLIX_UDISKS_NAMESPACE:-}" ]; then
    [ "$(id -u)" -eq 0 ] || skip "needs root to attach a loop device and start UDisks2"
    for tool in dbus-daemon dbus-send unshare losetup mke2fs mknod udevadm setpriv; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    [ -x /usr/libexec/udisks2/udisksd ] || skip "udisksd (udisks2) is not installed"
    [ -x /lib/systemd/systemd-udevd ] || skip "systemd-udevd (udev) is not installed"
    unshare --mount --propagation private true 2>/dev/null || skip "no mount namespaces here"
    exec env MARLIX_UDISKS_NAMESPACE=1 unshare --mount --propagation private "$0" "$@"
fi

cli=$(realpath "$1")
window_test=$(realpath "$2")
work=$(mktemp -d /tmp/marlix-udisks.XXXXXX)
chmod 755 "$work"
loop="" dbus_pid="" udevd_pid="" udisks_pid=""
cleanup() {
    local status=$?
    set +e
    # A stopped bus daemon takes no signal but SIGKILL until it is continued.
    [ -n "$dbus_pid" ] && kill -CONT "$dbus_pid" 2>/dev/null
    [ -n "$udisks_pid" ] && kill "$udisks_pid" 2>/dev/null && wait "$udisks_pid" 2>/dev/null
    [ -n "$udevd_pid" ] && kill "$udevd_pid" 2>/dev/null && wait "$udevd_pid" 2>/dev/null
    [ -n "$dbus_pid" ] && kill "$dbus_pid" 2>/dev/null && wait "$dbus_pid" 2>/dev/null
    # Whatever is still mounted goes with this namespace; the loop device is freed with it.
    [ -n "$loop" ] && losetup -d "$loop" 2>/dev/null
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

failures=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "PASS: $what"
    else
        echo "FAIL: $what" >&2
        sed 's/^/    /' "$work/out" "$work/err" >&2
        failures=$((failures + 1))
    fi
}

# ---- the card -------------------------------------------------------------------------------
mkdir "$work/content"
printf 'CAM V2.1\r\n' >"$work/content/version.txt"
mke2fs -q -F -t ext2 -L CAMCARD -d "$work/content" "$work/card.img" 4M
loop=$(losetup --show -f "$work/card.img")
name=${loop#/dev/}
devnum=$(cat "/sys/class/block/$name/dev")

# ---- a world of its own -----------------------------------------------------------------------
mount -t tmpfs -o mode=755 tmpfs /run
# UDisks2 mounts under /media; marlix's namespace below receives those mounts from here.
mount -t tmpfs -o mode=755 tmpfs /media
mount --make-shared /media
# udevd makes links and sets permissions in /dev: in a /dev of this namespace only.
mount -t tmpfs -o mode=755 tmpfs /dev
for node in null:1:3 zero:1:5 random:1:8 urandom:1:9; do
    IFS=: read -r n major minor <<<"$node"
    mknod -m 666 "/dev/$n" c "$major" "$minor"
done
mknod -m 660 "$loop" b "${devnum%%:*}" "${devnum##*:}"
ln -s /proc/self/fd /dev/fd
mkdir /dev/shm
# One rule: the file system probe that tells UDisks2 what is on the loop device.
mkdir "$work/rules"
echo 'SUBSYSTEM=="block", KERNEL=="loop*", IMPORT{builtin}="blkid"' >"$work/rules/60-card.rules"
mount --bind "$work/rules" /usr/lib/udev/rules.d
mount --bind "$work/rules" /etc/udev/rules.d

cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$work/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_type="method_call"/>
    <allow send_type="method_return"/>
    <allow send_type="signal"/>
    <allow send_type="error"/>
    <allow receive_type="method_call"/>
    <allow receive_type="method_return"/>
    <allow receive_type="signal"/>
    <allow receive_type="error"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$work/bus.conf" --nofork >"$work/dbus.log" 2>&1 &
dbus_pid=$!
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/bus
for _ in $(seq 100); do [ -S "$work/bus" ] && break; sleep 0.05; done

/lib/systemd/systemd-udevd >"$work/udevd.log" 2>&1 &
udevd_pid=$!
for _ in $(seq 100); do [ -S /run/udev/control ] && break; sleep 0.05; done
udevadm trigger --action=add --settle "/sys/class/block/$name"

/usr/libexec/udisks2/udisksd >"$work/udisksd.log" 2>&1 &
udisks_pid=$!
for _ in $(seq 200); do
    dbus-send --system --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.UDisks2 2>/dev/null |
        grep -q 'boolean true' && break
    sleep 0.05
done

# ---- marlix, below ------------------------------------------------------------------------------
echo 1 >"$work/removable"
# In a sanitizer build, what the system's D-Bus library keeps for the process's life is not ours.
export LSAN_OPTIONS="suppressions=$here/../smoke/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# Runs a command in a namespace that receives UDisks2's mounts and sees the loop device as
# removable; its stdout and stderr go to $work/out and $work/err.
as_marlix() {
    unshare --mount --propagation slave sh -c \
        'mount --bind "$1" "/sys/block/$2/removable" && shift 2 && exec "$@"' \
        sh "$work/removable" "$name" "$@" >"$work/out" 2>"$work/err"
}
said() { grep -q -- "$1" "$work/$2"; }
root=/media/root/CAMCARD/
tab=$'\t'

check "devices does not list the unmounted card" \
    eval 'as_marlix "$cli" devices && ! said CAMCARD out'
check "mount DEVICE mounts it and prints its root" \
    eval 'as_marlix "$cli" mount "$loop" && [ "$(cat "$work/out")" = "$root" ]'
check "devices lists it, mounted" \
    eval 'as_marlix "$cli" devices && said "^${root}${tab}CAMCARD${tab}" out'
check "mount again prints the root it has" \
    eval 'as_marlix "$cli" mount "$loop" && [ "$(cat "$work/out")" = "$root" ]'
check "mount refuses a device that is no card" \
    eval '! as_marlix "$cli" mount /dev/null && said "neither a listed removable drive" err'
check "eject is refused, with UDisks2's reason, while a file on the card is open" \
    eval '! as_marlix sh -c "exec 3<${root}version.txt; exec \"\$0\" eject $root" "$cli" &&
          said "Cannot eject $root: .*busy" err && grep -q " ${root%/} " /proc/self/mountinfo'
check "eject is refused for someone UDisks2 does not authorise" \
    eval '! as_marlix setpriv --reuid=65534 --regid=65534 --clear-groups "$cli" eject "$root" &&
          said "Cannot eject $root: Not authorized" err'
check "eject unmounts it" \
    eval 'as_marlix "$cli" eject "$root" && said "Ejected $root" out &&
          ! grep -q " ${root%/} " /proc/self/mountinfo'
check "devices no longer lists it" \
    eval 'as_marlix "$cli" devices && ! said CAMCARD out'
check "mount LABEL mounts the one card that has it, and eject unmounts it again" \
    eval 'as_marlix "$cli" mount CAMCARD && [ "$(cat "$work/out")" = "$root" ] &&
          as_marlix "$cli" eject "$root" && ! grep -q " ${root%/} " /proc/self/mountinfo'
check "the window greys it, mounts it, reports a refused eject and ejects it" \
    eval 'MARLIX_TEST_CARD_DEVICE=$loop QT_QPA_PLATFORM=offscreen \
          as_marlix "$window_test" mountAndEjectThroughUDisks ||
          { cat "$work/out" "$work/err"; false; }'

# ---- a system bus that does not answer ----------------------------------------------------------
# Its daemon stopped, a connection to it is never made. `timeout` only ends a program that hangs;
# the checks need no figure.
kill -STOP "$dbus_pid"
exits_1() {
    local status=0
    as_marlix timeout -k 5 60 "$@" || status=$?
    [ "$status" -eq 1 ]
}
check "mount says that the system bus does not answer" \
    eval 'exits_1 "$cli" mount "$loop" &&
          said "Cannot mount $loop: the system bus does not answer" err'
# Mounted without UDisks2, so that there is a card to eject.
mkdir /media/CAMCARD
mount "$loop" /media/CAMCARD
check "eject says that the system bus does not answer" \
    eval 'exits_1 "$cli" eject /media/CAMCARD/ &&
          said "Cannot eject /media/CAMCARD/: the system bus does not answer" err'
check "the window ends when closed, although the bus never answers" \
    eval 'QT_QPA_PLATFORM=offscreen \
          as_marlix timeout -k 5 60 "$window_test" closesWhileTheBusIsStuck'
kill -CONT "$dbus_pid"

if [ "$failures" -ne 0 ]; then
    echo "--- udisksd:" >&2
    tail -20 "$work/udisksd.log" >&2
    exit 1
fi
