#!/usr/bin/env bash
# Prints an HTML list of a candidate-order file to PNG with headless Chromium, so that a
# generated page can be looked at as a browser shows it. Installs Chromium when missing.
#
#   scripts/htmllistshot.sh [PAGE.html] [OUT.png]
#
# PAGE defaults to data/Tbl/CandAll.html, OUT to PAGE with ".png". A page that is not an
# HTML file but a candidate-order file (".csv") is first turned into one with
# velmorhtmllist (build/bin, or $VELMORHTMLLIST).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
page=$(realpath "${1:-$root/data/Tbl/CandAll.html}")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [[ "$page" == *.csv ]]; then
    tool=${VELMORHTMLLIST:-$root/build/bin/velmorhtmllist}
    [[ -x "$tool" ]] || { echo "htmllistshot: build velmorhtmllist first" >&2; exit 1; }
    "$tool" page "$page" "$work/list.html"
    out=${2:-${page%.csv}.png}
    page=$work/list.html
else
    out=${2:-${page%.html}.png}
fi

if ! command -v chromium >/dev/null; then
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        command -v sudo >/dev/null || { echo "htmllistshot: need root or sudo to install chromium" >&2; exit 1; }
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends chromium >/dev/null
fi

# Tall enough for every row of the table (a row is about 54 pixels high).
rows=$(grep -c '<tr>' "$page" || true)
height=$((260 + rows * 54))
chromium --headless --no-sandbox --disable-gpu --disable-background-networking --no-first-run \
    --hide-scrollbars --user-data-dir="$work/profile" --window-size=760,$height \
    --screenshot="$(realpath -m "$out")" "file://$page" 2>"$work/log" ||
    { cat "$work/log" >&2; exit 1; }
echo "$out"
