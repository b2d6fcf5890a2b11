#!/usr/bin/env bash
# Builds the Debian package with scripts/build-deb, unpacks it with dpkg -x and checks it as a
# user would meet it: both programs run from the unpacked files, and lintian,
# desktop-file-validate and appstreamcli validate find nothing wrong.
# usage: package_test.sh SOURCE_DIR VERSION
set -uo pipefail
source=$(realpath "$1")
version=$2
arch=$(dpkg --print-architecture)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
pass() {
    ((passed++))
    echo "ok: $1"
}
fail() {
    ((failed++))
    echo "FAIL: $1"
    shift
    [ $# -gt 0 ] && printf '%s\n' "$@" | sed 's/^/    /'
}
finish() {
    echo "package: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

started=$SECONDS
if ! "$source/scripts/build-deb" "$work/out" >"$work/build.log" 2>&1; then
    fail "scripts/build-deb builds the package" "$(tail -n 40 "$work/build.log")"
    finish
fi
deb=$work/out/marlix_${version}_${arch}.deb
if [ ! -f "$deb" ]; then
    fail "the package is marlix_${version}_${arch}.deb" "$(ls "$work/out")"
    finish
fi
pass "scripts/build-deb built $(basename "$deb") in $((SECONDS - started)) s"

root=$work/root
dpkg -x "$deb" "$root"
missing=()
for file in usr/bin/marlix usr/bin/marlix-cli usr/share/man/man1/marlix.1.gz \
    usr/share/man/man1/marlix-cli.1.gz usr/share/applications/marlix.desktop \
    usr/share/metainfo/org.example.marlix.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/marlix.svg usr/share/icons/hicolor/48x48/apps/marlix.png \
    usr/share/bash-completion/completions/marlix-cli; do
    [ -e "$root/$file" ] || missing+=("$file")
done
if [ ${#missing[@]} -eq 0 ]; then
    pass "the package holds the programs, manual pages, desktop and AppStream entries, icons"
else
    fail "the package holds every file it should; missing:" "${missing[@]}"
fi

# The version is set once, in CMake; the changelog and the AppStream release must follow it.
metainfo=$root/usr/share/metainfo/org.example.marlix.metainfo.xml
if grep -q "<release version=\"$version\"" "$metainfo"; then
    pass "the AppStream entry has a release $version"
else
    fail "the AppStream entry has a release $version"
fi

# Neither program may need a display or leave anything behind for --version.
mkdir "$work/empty"
for program in marlix marlix-cli; do
    out=$(cd "$work/empty" && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= \
        "$root/usr/bin/$program" --version 2>&1)
    status=$?
    if [ $status -eq 0 ] && [ "$out" = "$program $version" ]; then
        pass "$program --version prints \"$out\" without a display"
    else
        fail "$program --version prints \"$program $version\" and exits 0" "status $status" "$out"
    fi
done
out=$(cd "$work/empty" && "$root/usr/bin/marlix-cli" profiles 2>&1)
status=$?
# A command that only reads sees what a first run would write, and writes nothing.
if [ $status -eq 0 ] && [ "$out" = default ] && [ ! -e "$work/empty/cfg.ini" ]; then
    pass "marlix-cli profiles in an empty folder lists the profile default"
else
    fail "marlix-cli profiles in an empty folder lists default" "status $status" "$out"
fi

lintian --fail-on error "$work/out/marlix_${version}_${arch}.changes" >"$work/lintian.log" 2>&1
status=$?
out=$(grep -v '^running with root privileges' "$work/lintian.log")
if [ $status -eq 0 ]; then
    pass "lintian reports no error${out:+; it says: $(printf '%s' "$out" | paste -sd ';')}"
else
    fail "lintian reports no error" "$out"
fi
if out=$(desktop-file-validate "$root/usr/share/applications/marlix.desktop" 2>&1); then
    pass "desktop-file-validate accepts the desktop entry"
else
    fail "desktop-file-validate accepts the desktop entry" "$out"
fi
# The screenshot's address is not reachable from here: --no-net checks the entry without it.
if out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    pass "appstreamcli validate accepts the AppStream entry"
else
    fail "appstreamcli validate accepts the AppStream entry" "$out"
fi

finish
