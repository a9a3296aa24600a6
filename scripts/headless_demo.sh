#!/usr/bin/env bash
# Shows the program's job on a machine without a display, after the start command has built it:
# formats a sample message with tagforge-cli and prints the HTML, then starts the window on a
# virtual display over a sample folder of its own (the build folder's data stays untouched),
# copies the result as the copy button does, reports the clipboard and saves a screenshot of the
# formatting page to build/screenshots/run.png.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
screenshot=$root/build/screenshots/run.png
mkdir -p "$(dirname "$screenshot")"
rm -f "$screenshot"

# A portable copy in a folder of its own keeps its data there, never in build/release/app.
demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
cp build/release/app/tagforge "$demo/"
mkdir "$demo/Profiles"
# The sample profile: Russian and English, an emoji, a gradient through four colours, in bold.
# Profiles are Windows-1251; the emoji is kept as a character reference, as the program keeps it.
iconv -f UTF-8 -t CP1251 >"$demo/Profiles/Default.tfp" <<'PROFILE'
[Form]
ActivePage=0
[Page1]
Text="Привет, чат! Hello, chat! &#127801;"
ColorEffectEnabled=1
ColorEffect=6
GradientStops="FF0000 FFCC00 00CC66 3366FF"
Bold=1
PROFILE

echo
echo "The sample message formatted by tagforge-cli (what goes to the clipboard):"
html=$(build/release/cli/tagforge-cli format --profile "$demo/Profiles/Default.tfp" \
  --threshold 900)
printf '%s\n\n' "$html"

echo "Starting the window on a virtual display, copying with Ctrl+Enter in the message…"
export TAGFORGE_DEMO_FOLDER=$demo TAGFORGE_DEMO_SHOT=$screenshot
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -u
  "$TAGFORGE_DEMO_FOLDER/tagforge" >"$TAGFORGE_DEMO_FOLDER/window.log" 2>&1 & app=$!
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "Orbel TagForge" 2>/dev/null | head -n 1) &&
      [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || { echo "The window did not appear." >&2; kill $app; exit 1; }
  sleep 1.5
  # Ctrl+Enter in the message copies the result, as the copy button does.
  xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+Return
  sleep 1.5
  xclip -o -selection clipboard >"$TAGFORGE_DEMO_FOLDER/clipboard" 2>/dev/null || true
  import -window "$window" "$TAGFORGE_DEMO_SHOT"
  kill -TERM $app
  wait $app' || true

clipboard=$demo/clipboard
if [ -s "$clipboard" ]; then
  length=$(wc -c <"$clipboard")
  if [ "$(cat "$clipboard")" = "$html" ]; then
    echo "The clipboard holds $length bytes, the same line tagforge-cli printed."
  else
    echo "The clipboard holds $length bytes (not the line tagforge-cli printed):"
    cat "$clipboard"; echo
  fi
else
  echo "The clipboard stayed empty; the window's output:" >&2
  cat "$demo/window.log" >&2 || true
  exit 1
fi
[ -s "$screenshot" ] || { echo "No screenshot was saved." >&2; exit 1; }
echo "A screenshot of the formatting page: $screenshot"
echo "On a desktop, start the window with: bash scripts/run.sh"
