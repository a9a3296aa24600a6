#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get, starts the installed program as an
# ordinary user on a virtual display and checks where it keeps its data, then removes the
# package again. Needs root (CI runs as root). Screenshots go to build/package-check/.
#   check_package.sh [--no-build]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

[ "$(id -u)" -eq 0 ] || { echo "check_package.sh needs root (apt-get, useradd)."; exit 1; }
[ "${1:-}" = "--no-build" ] || bash scripts/package.sh
deb=$(ls "$root"/build/package/tagforge_*_amd64.deb | head -n 1)
out=$root/build/package-check
rm -rf "$out" && mkdir -p "$out"

passes=0
failures=0
check() {  # check "what" command...
  local what=$1; shift
  if "$@" >>"$out/log" 2>&1; then
    echo "ok: $what"; passes=$((passes + 1))
  else
    echo "FAILED: $what"; failures=$((failures + 1))
  fi
}

# Debian's rules for a binary package: an error fails the check; every tag is listed below it.
lint_package() { lintian --fail-on error --display-info "$deb" >"$out/lintian.log" 2>&1; }
check "lintian finds no errors" lint_package
sed 's/^/    /' "$out/lintian.log"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$out/apt-install.log" 2>&1
check "installed /usr/bin/tagforge" test -x /usr/bin/tagforge
check "desktop entry valid" desktop-file-validate /usr/share/applications/ru.orbelsoft.TagForge.desktop
check "AppStream metadata valid" appstreamcli validate --no-net \
  /usr/share/metainfo/ru.orbelsoft.TagForge.metainfo.xml
check "man pages" test -f /usr/share/man/man1/tagforge.1.gz -a -f /usr/share/man/man1/tagforge-cli.1.gz
check "copyright and change log" test -f /usr/share/doc/tagforge/copyright \
  -a -f /usr/share/doc/tagforge/changelog.Debian.gz
check "tagforge --version without a display" env -u DISPLAY /usr/bin/tagforge --version
check "tagforge-cli --version" /usr/bin/tagforge-cli --version

user=tagforge-check
id "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
rm -rf "$home/.local/share/TagForge" "$home/.config/TagForge"
ls -A /usr/bin >"$out/bin-before"
# "Start with the system" ticked by a version that wrote the full path: it must read as ticked,
# and the save at closing rewrites the entry to start the program by name.
autostart=$home/.config/autostart/OrbelTagForge.desktop
runuser -u "$user" -- mkdir -p "$(dirname "$autostart")"
printf '[Desktop Entry]\nType=Application\nName=OrbelTagForge\nExec="/usr/bin/tagforge"\n' |
  runuser -u "$user" -- tee "$autostart" >/dev/null

# The program runs until it is asked to end; SIGTERM closes it as the desktop does at logout.
shots=$(mktemp -d)
chown "$user" "$shots"
runuser -u "$user" -- env HOME="$home" XDG_DATA_HOME= XDG_CONFIG_HOME= \
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    /usr/bin/tagforge & app=$!
    for _ in $(seq 60); do
      xdotool search --name "Orbel TagForge" >/dev/null 2>&1 && break; sleep 0.5
    done
    sleep 2
    import -window root "$0/first-start.png"
    # A second start over the same data brings the running window forward and ends.
    timeout 60 /usr/bin/tagforge; echo $? >"$0/second-start"
    kill -TERM $app; wait $app; echo $? >"$0/first-end"' "$shots" >"$out/run.log" 2>&1 || true
cp "$shots/first-start.png" "$out/" 2>/dev/null || true
second_start=$(cat "$shots/second-start" 2>/dev/null || echo none)
first_end=$(cat "$shots/first-end" 2>/dev/null || echo none)
rm -rf "$shots"

data=$home/.local/share/TagForge
check "profiles under XDG_DATA_HOME" test -d "$data/Profiles"
check "starter set copied" test -f "$data/Profiles/tags.asc" -a -f "$data/Profiles/ascii.asc"
check "starter smiley group copied" compgen -G "$data/SmileGroups/*.sgr"
check "default profile saved at closing" test -f "$data/Profiles/Default.tfp"
check "second start handed over with 0" test "$second_start" = 0
check "SIGTERM ended the program with 0" test "$first_end" = 0
check "settings under XDG_CONFIG_HOME" test -f "$home/.config/TagForge/TagForge.registry"
ls -A /usr/bin >"$out/bin-after"
check "nothing written beside /usr/bin" cmp "$out/bin-before" "$out/bin-after"
check "autostart entry kept ticked, starts the program by name" grep -qx 'Exec=tagforge' "$autostart"
check "autostart entry tries the program by name" grep -qx 'TryExec=tagforge' "$autostart"

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tagforge >"$out/apt-remove.log" 2>&1
check "removed" test ! -e /usr/bin/tagforge
# What the desktop does with the entry left behind: its TryExec no longer finds the program.
check "autostart entry's program gone from PATH after removal" \
  runuser -u "$user" -- bash -lc '! command -v tagforge'

echo "Screenshot of the first start: $out/first-start.png"
echo "package check: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
