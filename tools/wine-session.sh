# Sourced by tools/test.sh and tools/run.sh: a private Wine session for one build tree.
#   wine_session_start BUILD_DIR [private|current]  sets up the display, the prefix, a persistent
#                                                  wineserver and a keeper process
#   wine_session_stop                              ends all of them
# Helpers start with their standard streams on /dev/null and with fd 9 closed, so that no pipe of
# ctest or lock of the caller is held open by a daemon.

wine_session_start() {
  local build_dir display_mode=${2:-private}
  build_dir=$(mkdir -p "$1" && cd "$1" && pwd)
  export WINEPREFIX="$build_dir/wineprefix"
  export WINEARCH=win32
  export WINEDEBUG="${WINEDEBUG:--all,err+module}"
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # Code page 936 for every Wine process of this prefix.
  { export LC_ALL=zh_CN.UTF-8; } 2>/dev/null
  _ws_xvfb_pid=""
  _ws_keeper_pid=""

  if [ "$display_mode" = private ] || [ -z "${DISPLAY:-}" ]; then
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" </dev/null >/dev/null 2>&1 9>&- &
    _ws_xvfb_pid=$!
    local i
    for i in $(seq 1 100); do
      [ -s "$fdfile" ] && break
      sleep 0.05
    done
    if [ ! -s "$fdfile" ]; then
      echo "wine-session: Xvfb did not start" >&2
      return 1
    fi
    export DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
  fi

  _wine_prefix_init || return 1
  wineserver -p </dev/null >/dev/null 2>&1 9>&-
  if [ -n "${WINE_KEEPER:-}" ] && [ -f "$WINE_KEEPER" ]; then
    setsid wine "$WINE_KEEPER" </dev/null >/dev/null 2>&1 9>&- &
    _ws_keeper_pid=$!
  fi
  # Bring up the desktop and the system services now, with no caller's pipe inherited: started
  # by the first test instead, they would hold ctest's output pipe open.
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&- || true
}

_wine_prefix_init() {
  [ -f "$WINEPREFIX/.pastelle-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  wineboot -i </dev/null >/dev/null 2>&1 9>&-
  wineserver -w
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp -f /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
  # Chinese face names resolve to the CJK font; unmanaged windows draw their own frame.
  local reg
  reg=$(mktemp --suffix=.reg)
  local face='WenQuanYi Micro Hei'
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    "\"微软雅黑\"=\"$face\"" "\"Microsoft YaHei\"=\"$face\"" \
    "\"宋体\"=\"$face\"" "\"SimSun\"=\"$face\"" '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
    | iconv -f UTF-8 -t UTF-16 >"$reg"
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" </dev/null >/dev/null 2>&1 9>&-
  wineserver -w
  rm -f "$reg"
  touch "$WINEPREFIX/.pastelle-ready"
}

wine_session_stop() {
  if [ -n "${_ws_keeper_pid:-}" ]; then
    kill -- "-$_ws_keeper_pid" 2>/dev/null || kill "$_ws_keeper_pid" 2>/dev/null || true
  fi
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  if [ -n "${_ws_xvfb_pid:-}" ]; then
    kill "$_ws_xvfb_pid" 2>/dev/null || true
    wait "$_ws_xvfb_pid" 2>/dev/null || true
  fi
}
