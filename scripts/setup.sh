#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 (apt-get, as root).
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev qt6-translations-l10n
          qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libjpeg-dev
          libgtest-dev libgmock-dev libbenchmark-dev libmuparser-dev xvfb xauth x11-utils xdotool
          imagemagick fonts-dejavu-core openbox
          # the studio's picture files
          libpng-dev libtiff-dev libopenexr-dev zlib1g-dev
          # the cluster recipes and their check
          slurm-wlm munge parallel
          # films: FFmpeg's libraries (the programs only check the films in tests)
          libavcodec-dev libavformat-dev libswscale-dev libavutil-dev ffmpeg
          # desktop integration checks and the Debian package
          desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl man-db
          dpkg-dev fakeroot file
          # CI's format check; the fuzzers (clang with its libFuzzer and sanitizer runtimes)
          clang-format clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
