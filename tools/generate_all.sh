#!/usr/bin/env bash
# Regenerates every embedded data file in resources/. The outputs are committed, so only run
# this after changing a generator. Needs Debian's python3-pil, python3-fonttools,
# fonts-linuxlibertine and fonts-ebgaramond-extra.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
resources="$here/../resources"
# Debian's interpreter: the packaged PIL and fontTools live there, not in other pythons on PATH.
python=${PYTHON:-/usr/bin/python3}

"$python" "$here/make_language_files.py" --out "$resources"
"$python" "$here/make_fonts.py" --out "$resources/fonts"
"$python" "$here/make_pictures.py" --out "$resources"
"$python" "$here/make_icon.py" --out "$resources"
"$python" "$here/make_tmain.py" --resources "$resources"   # packs the pictures and the icon
