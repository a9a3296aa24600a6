#!/usr/bin/env bash
# Puts the starter data into a program folder: the tag list, the ASCII art catalogue and a group
# of smileys. Only what is missing is added; nothing the user has is replaced. The program itself
# never creates these files.
#   install_starter.sh <program folder> <tagforge-draw-smileys executable>
set -euo pipefail
program=$1
draw=$2
starter="$(dirname "$0")/../starter"

# The program reads its data files as Windows-1251 text with CR LF line ends.
put_text() {
  local source=$1 target=$2
  if [ ! -e "$target" ]; then
    iconv -f UTF-8 -t WINDOWS-1251 "$source" | sed 's/$/\r/' >"$target.part"
    mv "$target.part" "$target"
    echo "Added $target"
  fi
}

mkdir -p "$program/Profiles" "$program/Smiles" "$program/SmileGroups"
put_text "$starter/tags.asc" "$program/Profiles/tags.asc"
put_text "$starter/ascii.asc" "$program/Profiles/ascii.asc"
"$draw" "$program/Smiles" >/dev/null
# The starter group only when the user has no group yet.
if ! compgen -G "$program/SmileGroups/*.sgr" >/dev/null && ! compgen -G "$program/SmileGroups/*.SGR" >/dev/null; then
  put_text "$starter/smiles.sgr" "$program/SmileGroups/Основные.sgr"
fi
