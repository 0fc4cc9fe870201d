#!/usr/bin/env bash
# Validates the desktop entry, the AppStream metainfo, the document type and
# the manual pages, then installs the build into a scratch prefix and asks the
# desktop's own tools which type an .atr file is and what opens it. Any
# complaint fails. Usage: check-desktop-files.sh BUILD_DIR (built already).
# Exits 77 (skipped) outside CI when a validator is not installed.
set -euo pipefail
build=$1
source=$(cd "$(dirname "$0")/.." && pwd)
id=io.github.gyrelune.Gyrelune
type=application/x-gyrelune-attractor

for tool in desktop-file-validate appstreamcli update-mime-database update-desktop-database \
    xdg-mime mimetype man; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing: $tool (scripts/setup.sh installs it)"
        [ "${CI:-}" = true ] && exit 1
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
# Runs a validator; its exit status and any output count as a complaint.
quiet() {
    local out
    if ! out=$("$@" 2>&1) || [ -n "$out" ]; then
        fail "$*"
        printf '%s\n' "$out"
    fi
}

quiet desktop-file-validate "$source/desktop/$id.desktop"
appstreamcli validate --no-net --strict "$source/desktop/$id.metainfo.xml" >"$work/appstream" 2>&1 ||
    { fail "appstreamcli validate"; cat "$work/appstream"; }
for page in "$source"/desktop/man/*.1; do
    # man checks with groff -ww; warnings go to standard error.
    MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null | { ! grep .; } || fail "man $page"
done

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
for size in 16 22 24 32 48 64 128 256; do
    [ -f "$share/icons/hicolor/${size}x$size/apps/$id.png" ] || fail "no $size px icon"
done
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
for program in gyrelune gyrelune-cli; do
    [ -x "$prefix/bin/$program" ] || fail "no $program"
    [ -f "$share/man/man1/$program.1" ] || fail "no manual page for $program"
done
# The desktop's tools see the scratch prefix alone.
export XDG_DATA_HOME=$share XDG_DATA_DIRS=$share XDG_CONFIG_HOME=$work/config \
    XDG_CONFIG_DIRS=$work/config
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
quiet desktop-file-validate "$share/applications/$id.desktop"
quiet update-mime-database "$share/mime"
quiet update-desktop-database "$share/applications"

printf 'x*y\r\ny\r\nz\r\n' >"$work/x.atr"
mime() { xdg-mime query "$@" || true; }
found=$(mime filetype "$work/x.atr")
[ "$found" = "$type" ] || fail "xdg-mime query filetype x.atr gave '$found'"
found=$(mime default "$type")
[ "$found" = "$id.desktop" ] || fail "xdg-mime query default $type gave '$found'"

[ "$failures" -eq 0 ] || exit 1
echo "desktop files: all checks passed"
