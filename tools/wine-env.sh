# Sourced by run.sh and test.sh: a private Wine prefix, home and display.
# Nothing here touches the user's own ~/.wine, home, trash or X server.

# wine_env DIR: everything Wine writes goes below DIR (the recycle bin lands in
# $XDG_DATA_HOME/Trash).
wine_env() {
  local dir=$1
  mkdir -p "$dir/home"
  export WINEPREFIX="$dir/prefix"
  export HOME="$dir/home"
  export XDG_DATA_HOME="$dir/home/.local/share"
  export XDG_CONFIG_HOME="$dir/home/.config"
  export XDG_CACHE_HOME="$dir/home/.cache"
  # For the programs started from here, which read the locale afresh. A shell that read it
  # before setup-host.sh generated ja_JP.UTF-8 cannot switch to it (and needs not).
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 2>/dev/null
  export WINEDEBUG=-all
  # No Mono or Gecko installers: the program needs neither.
  export WINEDLLOVERRIDES="mscoree=;mshtml="
  export WINEARCH=win64
}

# start_xvfb: a virtual display of our own, on the first free number from 90.
XVFB_PID=
start_xvfb() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}

stop_xvfb() {
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# prepare_prefix LOG [desktop] [DPI]: creates the prefix once (at DPI dots per inch when
# given: 144 is Windows' 150 %), then starts a wineserver that stays
# (for WINESERVER_LINGER seconds after its last client, or until killed when that is unset)
# and Wine's services, with their output in LOG: started later from inside ctest they would
# inherit ctest's output pipe and keep it open.
prepare_prefix() {
  local log=$1 desktop=${2:-} dpi=${3:-}
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >"$log" 2>&1
    # Wine's own fonts (System, Marlett for the caption buttons, ...) are looked for in the
    # prefix's fonts folder, where Debian's packages do not put them.
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" f
    for f in /usr/share/wine/fonts/*; do
      [ -e "$fonts/${f##*/}" ] || ln -s "$f" "$fonts/${f##*/}"
    done
    # Japanese Windows shows its dialogs in a proportional gothic face; Wine's stand-in
    # for the dialog font is otherwise the fixed-pitch one.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /d IPAPGothic /f >>"$log" 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic /f >>"$log" 2>&1
    # A crash ends the process instead of waiting for someone to close a dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$log" 2>&1
    if [ "$desktop" = desktop ]; then
      # One Wine desktop window: focus and activation then need no window manager.
      wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >>"$log" 2>&1
      wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >>"$log" 2>&1
    fi
    if [ -n "$dpi" ]; then
      wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >>"$log" 2>&1
      wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >>"$log" 2>&1
    fi
    wineserver -w
  fi
  wineserver -p${WINESERVER_LINGER:-}
  wineboot >>"$log" 2>&1
}
