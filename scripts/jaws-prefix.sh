#!/usr/bin/env bash
# Makes the Wine prefix look like a machine with JAWS installed, played by our stand-ins:
#   2019  user and shared settings, languages enu and fra
#   10.0  user settings, fra
#   5.0   the old layout (settings in the program folder), fra
# with the registry keys and "Target" values, the program and runtime folders holding the
# stand-ins, and a Default.jss and ConfigNames.Ini in every language folder. Running it again
# puts the machine back into that state: settings folders are made afresh, and the registry is
# imported only when it changed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

for exe in scompile jfw JfwKill JScript; do
  if [ ! -f "$ZEBO_WINBUILD/$exe.exe" ]; then
    echo "jaws-prefix: $ZEBO_WINBUILD/$exe.exe is missing (run scripts/build-wintest.sh)" >&2
    exit 1
  fi
done

c="$WINEPREFIX/drive_c"
user_data="$c/users/${USER:-$(id -un)}/AppData/Roaming/Freedom Scientific/JAWS"
shared_data="$c/ProgramData/Freedom Scientific/JAWS"
programs="$c/Program Files/Freedom Scientific"

# A language folder with our own script and aliases, in Windows line endings.
language() {
  mkdir -p "$1"
  sed 's/$/\r/' tests/standins/settings/Default.jss >"$1/Default.jss"
  sed 's/$/\r/' tests/standins/settings/ConfigNames.Ini >"$1/ConfigNames.Ini"
}

# A JAWS program folder: the compiler and JAWS itself; the runtime folder: the kill tool.
program() {
  mkdir -p "$programs/JAWS/$1"
  cp "$ZEBO_WINBUILD/scompile.exe" "$ZEBO_WINBUILD/jfw.exe" "$ZEBO_WINBUILD/JScript.exe" \
    "$programs/JAWS/$1/"
  if [ -n "${2:-}" ]; then
    mkdir -p "$programs/RunTime JAWS/$1"
    cp "$ZEBO_WINBUILD/JfwKill.exe" "$programs/RunTime JAWS/$1/"
  fi
}

rm -rf "$user_data" "$shared_data" "$programs"
program 2019 runtime
program 10.0 runtime
program 5.0
language "$user_data/2019/Settings/enu"
language "$user_data/2019/Settings/fra"
language "$shared_data/2019/Settings/enu"
language "$shared_data/2019/Settings/fra"
language "$user_data/10.0/Settings/fra"
language "$programs/JAWS/5.0/SETTINGS/fra"

reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"; zebo_cleanup' EXIT
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\SOFTWARE\Freedom Scientific\JAWS\2019]
"Target"="C:\\Program Files\\Freedom Scientific\\JAWS\\2019"

[HKEY_LOCAL_MACHINE\SOFTWARE\Freedom Scientific\JAWS\10.0]
"Target"="C:\\Program Files\\Freedom Scientific\\JAWS\\10.0\\"

[HKEY_LOCAL_MACHINE\SOFTWARE\Freedom Scientific\JAWS\5.0]
"Target"="C:\\Program Files\\Freedom Scientific\\JAWS\\5.0\\"

[HKEY_LOCAL_MACHINE\SOFTWARE\Freedom Scientific\RunTime JAWS\2019]
"Target"="C:\\Program Files\\Freedom Scientific\\RunTime JAWS\\2019\\"

[HKEY_LOCAL_MACHINE\SOFTWARE\Freedom Scientific\RunTime JAWS\10.0]
"Target"="C:\\Program Files\\Freedom Scientific\\RunTime JAWS\\10.0\\"
REG
stamp="$WINEPREFIX/zebo-jaws.reg"
if ! cmp -s "$reg" "$stamp"; then
  "$ZEBO_WINE" regedit /S "$(winepath -w "$reg" 2>/dev/null || echo "Z:${reg//\//\\}")" >/dev/null 2>&1
  wineserver -w || true  # the registry is saved when the server ends
  cp "$reg" "$stamp"
fi
echo "jaws-prefix: JAWS 2019, 10.0 and 5.0 stand-ins in $WINEPREFIX"
