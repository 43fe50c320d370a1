#!/usr/bin/env bash
# The Windows path end to end: a 64-bit build of the DLL and of a test host, run under wine64 on
# a virtual X server. The host loads the DLL with LoadLibraryA, plays scenarios through the real
# MessageBoxA, and a helper thread reads and closes every dialog; the first one is photographed.
# Usage: tests/wine/run.sh [SCREENSHOT.png]
set -euo pipefail
cd "$(dirname "$0")/../.."
shot=${1:-build/win64/first-box.png}

export WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver
for need in "$WINE" xvfb-run import x86_64-w64-mingw32-g++; do
  if ! command -v "$need" >/dev/null 2>&1; then
    echo "wine check: $need is missing (apt-get install wine64 xvfb xauth imagemagick g++-mingw-w64-x86-64)" >&2
    exit 1
  fi
done

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" >/dev/null

WORK=$(mktemp -d)
export WORK
trap 'rm -rf "$WORK"' EXIT
export WINEPREFIX="$WORK/prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer prompts in a fresh prefix
cp build/win64/VeskDebug.dll build/win64/wine_host.exe "$WORK/"

cat > "$WORK/under-x.sh" <<'SH'
#!/usr/bin/env bash
set -u
"$WINE" wineboot --init >/dev/null 2>&1  # creates the prefix: the slow first start, once per run
# A virtual desktop, so that Wine draws each box's title bar itself (there is no window manager).
"$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 640x480 /f >/dev/null 2>&1
# Wine's own fonts, from Debian's fonts-wine, where its dialogs look for them: without them it
# measures text with one font and draws it with another, and clips the last letters.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
"$WINESERVER" -w  # the desktop is chosen when the session starts: let this one end first
timeout 120 "$WINE" "$WORK/wine_host.exe" "$WORK/VeskDebug.dll" "Z:$WORK/marker" "Z:$WORK/go" >"$WORK/out.txt" 2>&1 &
host=$!
for _ in $(seq 600); do
  [ -f "$WORK/marker" ] && break
  kill -0 "$host" 2>/dev/null || break
  sleep 0.1
done
if [ -f "$WORK/marker" ]; then
  sleep 0.3  # the dialog has painted
  import -window root "$WORK/shot.png" || true
  touch "$WORK/go"
fi
wait "$host"
status=$?
"$WINESERVER" -k 2>/dev/null || true
exit "$status"
SH
chmod +x "$WORK/under-x.sh"

status=0
timeout 170 xvfb-run -a -s "-screen 0 640x480x24" "$WORK/under-x.sh" || status=$?
cat "$WORK/out.txt" 2>/dev/null || true
if [ -f "$WORK/shot.png" ]; then
  mkdir -p "$(dirname "$shot")"
  cp "$WORK/shot.png" "$shot"
  echo "screenshot of the first box: $shot"
else
  echo "wine check: no screenshot was taken" >&2
  status=1
fi
[ "$status" -eq 0 ] || echo "wine check failed (status $status)" >&2
exit "$status"
