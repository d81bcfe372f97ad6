# Sourced by tools/test.sh, tools/run.sh and the other scripts that run Windows programs: which
# Windows build this machine can run, and a private Wine session for one build tree.
#   wine_choose_build                              sets WINE_BUILD_TREE to "win" (the i686 build)
#                                                  or "win64" (the x86_64 build) and
#                                                  WINE_BUILD_REASON to why; returns 1, with the
#                                                  reason, when neither Wine can run here
#   wine_session_start BUILD_DIR [private|current] sets up the display, the prefix, a persistent
#                                                  wineserver and a keeper process
#   wine_session_stop                              ends all of them
# A session exports WINEPREFIX, WINEARCH and PASTELLE_WINE, the loader of the build tree's
# architecture; tools/wine-run.sh runs a program with it.
# Helpers start with their standard streams on /dev/null and with fd 9 closed, so that no pipe of
# ctest or lock of the caller is held open by a daemon.

# The 64-bit loader is called directly: /usr/bin/wine takes the 32-bit one whenever it is
# installed, whether or not this machine can run it.
WINE64_LOADER=/usr/lib/wine/wine64
WINE32_PROBE=/usr/lib/wine/wineserver32

# Whether this machine runs 32-bit programs, told by starting one (some kernels have their 32-bit
# emulation switched off, whatever is installed). Sets WINE32_FAILURE when it cannot.
wine_can_run_32bit() {
  WINE32_FAILURE=""
  if [ ! -x "$WINE32_PROBE" ]; then
    WINE32_FAILURE="$WINE32_PROBE is not installed"
    return 1
  fi
  local output
  if output=$("$WINE32_PROBE" --version 2>&1 </dev/null 9>&-); then
    return 0
  fi
  WINE32_FAILURE="starting the 32-bit $WINE32_PROBE failed: $(printf '%s' "$output" | tail -n1)"
  return 1
}

wine_can_run_64bit() {
  [ -x "$WINE64_LOADER" ] && "$WINE64_LOADER" --version </dev/null >/dev/null 2>&1 9>&-
}

wine_choose_build() {
  if wine_can_run_32bit; then
    WINE_BUILD_TREE=win
    WINE_BUILD_REASON="this machine runs 32-bit programs: the i686 build, under 32-bit Wine"
    return 0
  fi
  if wine_can_run_64bit; then
    WINE_BUILD_TREE=win64
    WINE_BUILD_REASON="this machine cannot run 32-bit programs ($WINE32_FAILURE): the x86_64 build, under wine64"
    return 0
  fi
  WINE_BUILD_TREE=""
  WINE_BUILD_REASON="neither Wine runs on this machine: $WINE32_FAILURE, and $WINE64_LOADER does not start"
  return 1
}

# The architecture a build tree was made for, as CMake recorded it.
_wine_arch_of() {
  local arch
  arch=$(cat "$1/wine-arch" 2>/dev/null || true)
  case "$arch" in
    win32 | win64) echo "$arch" ;;
    *) echo win32 ;;
  esac
}

wine_session_start() {
  local build_dir display_mode=${2:-private}
  build_dir=$(mkdir -p "$1" && cd "$1" && pwd)
  export WINEPREFIX="$build_dir/wineprefix"
  WINEARCH=$(_wine_arch_of "$build_dir")
  export WINEARCH
  if [ "$WINEARCH" = win64 ]; then
    export PASTELLE_WINE="$WINE64_LOADER"
  else
    export PASTELLE_WINE=wine
  fi
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
    setsid "$PASTELLE_WINE" "$WINE_KEEPER" </dev/null >/dev/null 2>&1 9>&- &
    _ws_keeper_pid=$!
  fi
  # Bring up the desktop and the system services now, with no caller's pipe inherited: started
  # by the first test instead, they would hold ctest's output pipe open.
  "$PASTELLE_WINE" cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&- || true
}

_wine_prefix_init() {
  [ -f "$WINEPREFIX/.pastelle-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  "$PASTELLE_WINE" wineboot -i </dev/null >/dev/null 2>&1 9>&-
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
  "$PASTELLE_WINE" regedit /S "$("$PASTELLE_WINE" winepath -w "$reg" 2>/dev/null)" </dev/null >/dev/null 2>&1 9>&-
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
  _ws_keeper_pid=""
  _ws_xvfb_pid=""
}
