#!/usr/bin/env bash
# Installs a build into a staging folder and checks what a desktop reads
# from it: the menu entry, the AppStream metadata, the icons and the manual
# page, each with the tool the distributions use. Any warning fails.
#   check_installed_files.sh BUILD_DIR
set -euo pipefail
rm -rf "$1/stage"
cmake --install "$1" --prefix "$1/stage" >/dev/null
share=$1/stage/share

fail() { echo "FAIL: $*"; exit 1; }

warnings=$(desktop-file-validate "$share"/applications/*.desktop 2>&1) && [[ -z "$warnings" ]] ||
    fail "desktop-file-validate: $warnings"
warnings=$(appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml) ||
    fail "appstreamcli: $warnings"
# ls names each icon that is missing.
ls "$share"/icons/hicolor/{48x48,64x64,128x128,256x256,scalable}/apps/example.larkspin.Larkspin.* \
    >/dev/null || fail "icons missing"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share"/man/man6/larkspin.6.gz 2>&1 >/dev/null) &&
    [[ -z "$warnings" ]] || fail "man: $warnings"
[[ -s "$share/larkspin/words.txt" ]] || fail "no shipped word list"
