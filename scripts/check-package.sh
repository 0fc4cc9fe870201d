#!/usr/bin/env bash
# Builds the Debian package from a Release build (cpack -G DEB) and checks its
# control data and contents: the dependencies found by dpkg-shlibdeps, both
# programs, the desktop files, icons, manual pages and cluster recipes, and no maintainer
# scripts (Debian's triggers update the MIME, desktop and icon caches).
# Usage: check-package.sh [BUILD_DIR]  (default build-release); a build
# directory configured already is used as it is, if it is a Release build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DGYRELUNE_TESTS=OFF -DGYRELUNE_BENCH=OFF >/dev/null
fi
if ! grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$build/CMakeCache.txt"; then
    echo "$build is not a Release build"
    exit 1
fi
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/gyrelune_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/gyrelune_*.deb)

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
info=$(dpkg-deb -I "$deb")
contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
echo "$info"
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
for library in libqt6widgets6 libqt6gui6 libqt6core6 libjpeg62-turbo libc6 libstdc++6; do
    grep -qxF "$library" <<<"$names" || fail "Depends lacks $library: $depends"
done
id=io.github.gyrelune.Gyrelune
for file in bin/gyrelune bin/gyrelune-cli share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/16x16/apps/$id.png \
    share/icons/hicolor/256x256/apps/$id.png share/man/man1/gyrelune.1 share/man/man1/gyrelune-cli.1 \
    share/gyrelune/recipes/poster-slurm.sh share/gyrelune/recipes/poster-parallel.sh \
    share/gyrelune/recipes/poster-common.sh; do
    grep -qx "./usr/$file" <<<"$contents" || fail "the package lacks /usr/$file"
done
if dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qE '(pre|post)(inst|rm)$'; then
    fail "maintainer scripts in the package"
fi
[ "$failures" -eq 0 ] || exit 1
echo "package: $deb passed"
