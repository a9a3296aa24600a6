#!/usr/bin/env bash
# Starts the real program from a copy of its build folder (portable mode, with its starter set)
# on the display in $DISPLAY and prints its memory, summed over the program's process and all
# its descendants (the browser engine's helper processes): once the window is shown and has
# settled, again after 1,000 letters typed into the message (the strip under it shows them
# rendered), once the first preview has loaded and once the smiley pane shows its group.
#
# Three sums are printed, from /proc/<pid>/smaps_rollup. RSS counts a library page in every
# process that maps it, so the engine's processes, which share most of their code, are counted
# several times over: an upper bound. USS counts only pages no other process maps, what ending
# the program would free: a lower bound. PSS divides each shared page among the processes that
# map it, the usual measure of what a program holds; but other programs on the machine that map
# the same libraries (another Qt program, a test run) take their shares too, so it reads lower
# on a busy machine.
#   bench_memory.sh <build folder of the program, with tagforge and starter>
set -euo pipefail
build=$1

program=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$program"
}
trap cleanup EXIT
cp "$build/tagforge" "$program/"
cp -r "$build/starter" "$program/"

# The process and all its descendants, from the children lists of its threads.
tree() {
  local parent=$1 child
  echo "$parent"
  for child in $(cat /proc/"$parent"/task/*/children 2>/dev/null); do
    tree "$child"
  done
}

# "<processes> <RSS kB> <PSS kB> <USS kB>" summed over the tree of $pid.
measure() {
  local count=0 rss=0 pss=0 uss=0 p line r s u
  for p in $(tree "$pid"); do
    line=$(awk '/^Rss:/ { r = $2 } /^Pss:/ { p = $2 } /^Private_(Clean|Dirty):/ { u += $2 }
                END { if (r != "") print r, p, u }' /proc/"$p"/smaps_rollup 2>/dev/null) || continue
    [ -n "$line" ] || continue
    read -r r s u <<<"$line"
    count=$((count + 1)) rss=$((rss + r)) pss=$((pss + s)) uss=$((uss + u))
  done
  echo "$count $rss $pss $uss"
}

# Waits until the summed PSS changes by less than 1 MiB in a second (at most 20 s), so that
# what the program and its helpers start up in the background is counted.
settle() {
  local last=0 now _
  for _ in $(seq 20); do
    sleep 1
    read -r _ _ now _ <<<"$(measure)"
    if [ $((now - last)) -lt 1024 ] && [ $((last - now)) -lt 1024 ]; then
      return
    fi
    last=$now
  done
}

report() {
  local count rss pss uss
  read -r count rss pss uss <<<"$(measure)"
  awk -v what="$1" -v n="$count" -v rss="$rss" -v pss="$pss" -v uss="$uss" 'BEGIN {
    printf "%-26s %d processes: USS %6.1f MiB, PSS %6.1f MiB, RSS %6.1f MiB\n",
      what, n, uss / 1024, pss / 1024, rss / 1024 }'
}

processes() {
  tree "$pid" | wc -l
}

# The engine's sandbox cannot run as root; an ordinary user keeps it, with its extra process.
if [ "$(id -u)" -eq 0 ]; then
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
"$program/tagforge" >/dev/null 2>&1 &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid" --name 'TagForge' | head -n 1)
if [ -z "$window" ]; then
  echo "The window did not appear."
  exit 1
fi
settle
report "after start:"
started=$(processes)
# A first start shows the About page: the formatting page's tab is at the left of the bar, the
# message box below its options; the keys go to the focused window.
xdotool mousemove --window "$window" 60 12 click 1
sleep 0.5
xdotool mousemove --window "$window" 400 260 click 1
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool type --delay 1 "$(printf 'ab%.0s' $(seq 500))"
settle
report "after typing 1,000 letters:"
if [ "$(processes)" -ne "$started" ]; then
  echo "Typing started a process."
  exit 1
fi
# The page tabs run along the top of the window; a click on each spot along the bar in turn
# finds the preview's tab, the only one that starts a process (the renderer, forked from the
# engine's zygote, so it bears the zygote's command line); the other pages only show. The clicks
# go to the window by its id, so no window manager is needed.
window_now() {
  xdotool search --onlyvisible --pid "$pid" --name 'TagForge' 2>/dev/null | tail -n 1 || true
}
shown=false
for x in $(seq 20 20 400); do
  window=$(window_now)
  xdotool mousemove --window "$window" "$x" 12 click 1 2>/dev/null || true
  sleep 0.5
  if [ "$(processes)" -gt "$started" ]; then
    shown=true
    break
  fi
done
for _ in $(seq 50); do
  [ "$(processes)" -gt "$started" ] && break
  sleep 0.2
done
if ! $shown || [ "$(processes)" -le "$started" ]; then
  echo "The preview could not be opened: no renderer process started."
  exit 1
fi
settle
report "after the first preview:"
# "Смайлы" sits at the right end of the tab bar; the pane shows the starter group.
window=$(window_now)
width=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p')
xdotool mousemove --window "$window" $((width - 40)) 12 click 1
sleep 1
settle
report "after the smiley pane:"
