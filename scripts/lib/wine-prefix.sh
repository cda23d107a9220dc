# Makes and stops Wine prefixes for running the program with pictures in mind. Source this file
# (after xvfb.sh, with a display up), then call make_wine_prefix, and
# stop_wine_prefix or remove_wine_prefix. The end-to-end tests keep their prefixes under each
# build folder's e2e-wine/, the other scripts under build/wine/ or their own folder: no folder
# is shared.

wine=/usr/lib/wine/wine64
# Wine's error lines stay: without them a program that fails to start leaves no trace.
export WINEDEBUG=fixme-all WINEDLLOVERRIDES="mscoree,mshtml="

# make_wine_prefix <folder> [dpi]: a fresh prefix with a virtual desktop (closing windows on a
# bare X server takes seconds), no crash dialog, no Mono or Gecko installers, the Marlett font
# (without it caption buttons show as "0 1 r") and, when given, the screen's DPI.
make_wine_prefix() {
  local prefix=$1 dpi=${2:-}
  local log
  log=$(mktemp)
  remove_wine_prefix "$prefix"
  mkdir -p "$(dirname "$prefix")"
  # wineboot's own exit status varies from run to run; what it leaves behind is checked below.
  WINEPREFIX=$prefix "$wine" wineboot --init >"$log" 2>&1 || true
  local add=(env WINEPREFIX="$prefix" "$wine" reg add)
  {
    "${add[@]}" 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
    "${add[@]}" 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
    "${add[@]}" 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    # No menu entries on the Linux desktop: scripts/run and the tests make programs' shortcuts.
    env WINEPREFIX="$prefix" "$wine" reg delete \
      'HKLM\Software\Microsoft\Windows\CurrentVersion\RunServices' /v winemenubuilder /f
    if [[ -n "$dpi" ]]; then
      "${add[@]}" 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
    fi
  } >>"$log" 2>&1 || true
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -w
  cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>>"$log" || true

  if [[ -f "$prefix/drive_c/windows/Fonts/marlett.ttf" ]] &&
    grep -q '"Desktop"="Default"' "$prefix/user.reg" &&
    grep -q '"ShowCrashDialog"=dword:00000000' "$prefix/user.reg" &&
    { [[ -z "$dpi" ]] || grep -q "\"LogPixels\"=dword:$(printf %08x "$dpi")" "$prefix/user.reg"; }; then
    rm -f "$log"
    return 0
  fi
  echo "The Wine prefix could not be made in $prefix:" >&2
  cat "$log" >&2
  rm -f "$log"
  return 1
}

# stop_wine_prefix <folder>: ends that prefix's Wine server and every program in it.
stop_wine_prefix() {
  if [[ -d "$1" ]]; then
    WINEPREFIX=$1 /usr/lib/wine/wineserver -k 2>/dev/null || true
    WINEPREFIX=$1 /usr/lib/wine/wineserver -w 2>/dev/null || true
  fi
}

# remove_wine_prefix <folder>: stops the prefix, then deletes it. Wine finds a prefix's server by
# the folder's device and inode: a server that outlived its deleted folder could be handed the
# next folder that gets the same inode.
remove_wine_prefix() {
  stop_wine_prefix "$1"
  rm -rf "$1"
}
