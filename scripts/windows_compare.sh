#!/usr/bin/env bash
# Runs the Linux and the Windows tagforge-cli (under Wine) on a table of profiles and options and
# checks that both print the same bytes and end with the same status. Profiles sit in a folder
# with a Cyrillic name, as users keep them. Usage: windows_compare.sh LINUX_CLI WINE WINDOWS_CLI
# Ends with "compare: N passed, M failed".
set -uo pipefail
linux_cli=$1
wine=$2
windows_cli=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Профили"
cd "$work" || exit 1

# A profile as the program stores it: Windows-1251 with CR LF line breaks.
profile() {  # profile NAME LINE...
  local name=$1
  shift
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP1251 >"Профили/$name.tfp"
}

profile "Вечер" "[Page1]" "Bold=1" "ColorEffectEnabled=1" "ColorEffect=0" 'SolidColor="FF0000"' \
  "FontSizeEnabled=1" "FontSize=3" "OkEnabled=1" 'Text="Привет"'
profile "Градиент" "[Page1]" "ColorEffectEnabled=1" "ColorEffect=1" "Bold=1" "Italic=1"
profile "Спектр" "[Page1]" "ColorEffectEnabled=1" "ColorEffect=2" "Underline=1"
profile "Случай" "[Page1]" "ColorEffectEnabled=1" "ColorEffect=3"
profile "Лично" "[Page1]" "OnlyForYouEnabled=1" 'Reciever="Вася"' 'Text="Привет"'
profile "Другой" "[Page1]" "OtherNameEnabled=1" 'OtherName="Петя"' 'OwnText="всем привет"' \
  'Text="Привет"'
profile "Третье" "[Page1]" "OtherNameEnabled=1" 'OtherName="Петя"' 'OwnText="всем привет"' \
  "Other3rdFaceEnabled=1" 'Text="Привет"'
printf 'Первая строка\nвторая 🌹\r\nтретья' >"Сообщение.txt"
printf 'Ёж & <тег>\n' | iconv -f UTF-8 -t CP1251 >"Ёж.txt"

cases=(
  "format --profile Профили/Вечер.tfp"
  "format --profile Профили/Вечер.tfp --text Привет\x20🌹"
  "format --profile Профили/Градиент.tfp --text Привет\x20🌹"
  "format --profile Профили/Спектр.tfp --text Радуга\x20над\x20рекой --threshold 12"
  "format --profile Профили/Случай.tfp --text Цвет --seed 42"
  "format --profile Профили/Лично.tfp"
  "format --profile Профили/Другой.tfp"
  "format --profile Профили/Третье.tfp --seed 7"
  "format --profile Профили/Градиент.tfp --text-file Сообщение.txt"
  "format --profile Профили/Градиент.tfp --text-file Ёж.txt --encoding windows-1251"
  "format --profile Профили/Нет.tfp"
  "format --threshold много"
  "--version"
)

passes=0
failures=0
for case in "${cases[@]}"; do
  # Words are split at spaces; "\x20" stands for a space inside one argument.
  read -r -a words <<<"$case"
  args=()
  for word in "${words[@]}"; do
    args+=("${word//\\x20/ }")
  done
  "$linux_cli" "${args[@]}" >linux.out 2>linux.err </dev/null
  linux_status=$?
  "$wine" "$windows_cli" "${args[@]}" >windows.out 2>windows.err </dev/null
  windows_status=$?
  if cmp -s linux.out windows.out && cmp -s linux.err windows.err &&
    [ "$linux_status" -eq "$windows_status" ]; then
    echo "same: ${args[*]}"
    passes=$((passes + 1))
  else
    echo "DIFFERENT: ${args[*]} (status $linux_status / $windows_status)"
    diff <(od -c linux.out) <(od -c windows.out) | head -n 10
    diff linux.err windows.err | head -n 6
    failures=$((failures + 1))
  fi
done

# Windows hands over arguments as Unicode, so there --text is the text itself in either encoding,
# where Linux takes the bytes typed.
"$linux_cli" format --text "$(printf 'Ёж & <тег>' | iconv -f UTF-8 -t CP1251)" \
  --encoding windows-1251 >linux-1251.out
"$wine" "$windows_cli" format --text 'Ёж & <тег>' --encoding windows-1251 >windows-1251.out

# Standard input, and a page written to a file with a Cyrillic name, then replaced.
printf 'Из входа 🌹\n' | "$linux_cli" format --profile Профили/Спектр.tfp --text-file - >linux.out
printf 'Из входа 🌹\n' | "$wine" "$windows_cli" format --profile Профили/Спектр.tfp \
  --text-file - >windows.out
"$linux_cli" preview --profile Профили/Вечер.tfp --output "Страница Linux.html" >/dev/null
for round in 1 2; do
  "$wine" "$windows_cli" preview --profile Профили/Вечер.tfp --output "Страница Windows.html" \
    >/dev/null
done
for check in "linux.out windows.out" "linux-1251.out windows-1251.out" \
  "Страница\ Linux.html Страница\ Windows.html"; do
  eval "set -- $check"
  if [ -s "$1" ] && cmp -s "$1" "$2"; then
    echo "same: $1 / $2"
    passes=$((passes + 1))
  else
    echo "DIFFERENT: $1 / $2"
    failures=$((failures + 1))
  fi
done

echo "compare: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
