#!/bin/sh
# Regenerates the asset pack under assets/ from scratch.
# Installs the tools it needs when they are missing (Debian packages and the
# icon set from npm), then runs the generator at low priority.
# Usage: tools/assetgen/generate.sh [part ...]   (parts: see gen.py)
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)

need=""
command -v rsvg-convert >/dev/null || need="$need librsvg2-bin"
command -v sox >/dev/null || need="$need sox libsox-fmt-all"
command -v espeak-ng >/dev/null || need="$need espeak-ng"
command -v text2wave >/dev/null || need="$need festival"
[ -d /usr/share/festival/voices/us/cmu_us_slt_arctic_hts ] || need="$need festvox-us-slt-hts"
command -v flite >/dev/null || need="$need flite"
command -v convert >/dev/null || need="$need imagemagick"
command -v node >/dev/null || need="$need nodejs npm"
/usr/bin/python3 -c 'import cairo' 2>/dev/null || need="$need python3-cairo"
fc-list | grep -q "Liberation Sans" || need="$need fonts-liberation2"
if [ -n "$need" ]; then
    SUDO=""
    [ "$(id -u)" = 0 ] || SUDO=sudo
    $SUDO apt-get update
    # shellcheck disable=SC2086
    $SUDO apt-get install -y --no-install-recommends $need
fi

if [ ! -f "$ROOT/tools/node_modules/@iconify-json/fluent-emoji-flat/icons.json" ]; then
    (cd "$ROOT/tools" && npm ci --no-audit --no-fund)
fi

if [ $# -eq 0 ]; then
    rm -rf "$ROOT/assets"
fi
mkdir -p "$ROOT/assets"
nice -n 10 /usr/bin/python3 "$HERE/gen.py" "$@"
echo "asset pack: $(du -sh "$ROOT/assets" | cut -f1) in $(find "$ROOT/assets" -type f | wc -l) files"
