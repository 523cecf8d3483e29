#!/bin/sh
# Installs the Debian 12 packages that building and testing Quillara need, skipping those present.
set -eu

packages="cmake ninja-build clang libclang-rt-14-dev pkg-config qt6-base-dev libjpeg62-turbo-dev
libxml2-dev libsqlite3-dev nlohmann-json3-dev libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth fonts-dejavu-core
desktop-file-utils appstream groff-base qt6-l10n-tools qt6-translations-l10n"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo apt-get update -q
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
