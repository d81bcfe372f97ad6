# Sourced by tools/test.sh, tools/run.sh and the other scripts that run Windows programs: which
# Windows build this machine can run, and a private Wine session for one build tree.
#   wine_choose_build                              sets WINE_BUILD_TREE to "win" (the i686 build)
#                                                  or "win64" (the x86_64 build) and
#                                                  WINE_BUILD_REASON to why; returns 1, with the
#                                                  reason, when neither Wine can run here
#   windows_build_configure BUILD_DIR TREE [cmake arguments...]
#                                                  configures BUILD_DIR as the Windows build
#                                                  tree TREE (win: i686, win64: x86_64)
#   wine_session_start BUILD_DIR [private|current] [DESKTOPS]
#                                                  sets up DESKTOPS desktops (1 unless said; 1 on
#                                                  the current display), each a display, a prefix,
#                                                  a persistent wineserver and a keeper process
#   wine_session_stop                              ends all of them
#   wine_enter_allotted_desktop                    in a test: the desktop ctest gave it
# A session exports WINEARCH, PASTELLE_WINE (the loader of the build tree's architecture),
# WINEPREFIX and DISPLAY of the first desktop, and PASTELLE_DESKTOPS, the folder that describes
# every desktop (N.env) and offers them to ctest (resources.json); tools/wine-run.sh runs a
# program on the desktop ctest gave its test.
# Helpers start with their standard streams on /dev/null and with fd 9 closed, so that no pipe of
# ctest or lock of the caller is held open by a daemon.

# The 64-bit loader is called directly: /usr/bin/wine takes the 32-bit one whenever it is
# installed, whether or not this machine can run it.
WINE64_LOADER=/usr/lib/wine/wine64
_ws_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
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
  # The shell's own words name this script and line first; the reason follows them.
  WINE32_FAILURE="starting the 32-bit $WINE32_PROBE failed: $(printf '%s' "$output" | tail -n1 | sed 's/^.*: line [0-9]*: //')"
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

windows_build_configure() {
  local dir=$1 tree=$2 toolchain=mingw-i686
  shift 2
  [ "$tree" = win64 ] && toolchain=mingw-x86_64
  cmake -S "$_ws_root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$_ws_root/cmake/$toolchain.cmake" "$@" >/dev/null
}

# In a ctest test that was allotted one of the session's desktops (resource "desktop"): makes
# that desktop's prefix and display the current ones. Returns 1 when none was allotted.
wine_enter_allotted_desktop() {
  [ -n "${CTEST_RESOURCE_GROUP_0_DESKTOP:-}" ] && [ -n "${PASTELLE_DESKTOPS:-}" ] || return 1
  local id=${CTEST_RESOURCE_GROUP_0_DESKTOP#id:}
  # shellcheck source=/dev/null
  source "$PASTELLE_DESKTOPS/${id%%,*}.env"
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
  local build_dir display_mode=${2:-private} desktops=${3:-1}
  build_dir=$(mkdir -p "$1" && cd "$1" && pwd)
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
  _ws_keeper_pids=()
  _ws_prefixes=()
  [ "$display_mode" = private ] || [ -z "${DISPLAY:-}" ] || desktops=1

  # Each desktop is a Wine prefix of its own (its own wineserver: windows, focus and clipboard
  # apart) on an X display of its own. The first is made by wineboot, the others copied from it.
  export PASTELLE_DESKTOPS="$build_dir/desktops"
  rm -rf "$PASTELLE_DESKTOPS"
  mkdir -p "$PASTELLE_DESKTOPS"
  local i prefix display
  for ((i = 0; i < desktops; i++)); do
    prefix="$build_dir/wineprefix"
    [ "$i" -gt 0 ] && prefix="$build_dir/wineprefix-$i"
    if [ "$display_mode" = private ] || [ -z "${DISPLAY:-}" ]; then
      display=$(_wine_start_xvfb) || return 1
    else
      display=$DISPLAY
    fi
    WINEPREFIX=$prefix DISPLAY=$display _wine_desktop_up "$build_dir/wineprefix" || return 1
    printf 'export WINEPREFIX=%q DISPLAY=%q\n' "$prefix" "$display" >"$PASTELLE_DESKTOPS/$i.env"
    _ws_prefixes+=("$prefix")
  done
  # Tests that need a desktop ask ctest for one of these.
  local ids=""
  for ((i = 0; i < desktops; i++)); do ids+="${ids:+,}{\"id\": \"$i\", \"slots\": 1}"; done
  printf '{"version": {"major": 1, "minor": 0}, "local": [{"desktop": [%s]}]}\n' "$ids" \
    >"$PASTELLE_DESKTOPS/resources.json"
  # shellcheck source=/dev/null
  source "$PASTELLE_DESKTOPS/0.env"
}

# Starts a private Xvfb and prints its display name.
_wine_start_xvfb() {
  local fdfile i
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" </dev/null >/dev/null 2>&1 9>&- &
  echo "$!" >>"$PASTELLE_DESKTOPS/xvfb.pids"
  for i in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    sleep 0.05
  done
  if [ ! -s "$fdfile" ]; then
    echo "wine-session: Xvfb did not start" >&2
    rm -f "$fdfile"
    return 1
  fi
  echo ":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
}

# Makes the prefix WINEPREFIX ready (a copy of FIRST_PREFIX when that one is ready) and starts
# its wineserver, keeper and system services on DISPLAY.
_wine_desktop_up() {
  local first=$1
  if [ ! -f "$WINEPREFIX/.pastelle-ready" ] && [ "$WINEPREFIX" != "$first" ] && [ -f "$first/.pastelle-ready" ]; then
    rm -rf "$WINEPREFIX"
    cp -a "$first" "$WINEPREFIX"
  fi
  _wine_prefix_init || return 1
  wineserver -p </dev/null >/dev/null 2>&1 9>&-
  if [ -n "${WINE_KEEPER:-}" ] && [ -f "$WINE_KEEPER" ]; then
    setsid "$PASTELLE_WINE" "$WINE_KEEPER" </dev/null >/dev/null 2>&1 9>&- &
    _ws_keeper_pids+=("$!")
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
  local pid prefix
  for pid in "${_ws_keeper_pids[@]}"; do
    kill -- "-$pid" 2>/dev/null || kill "$pid" 2>/dev/null || true
  done
  for prefix in "${_ws_prefixes[@]}"; do
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
  done
  if [ -f "${PASTELLE_DESKTOPS:-/nonexistent}/xvfb.pids" ]; then
    while read -r pid; do
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    done <"$PASTELLE_DESKTOPS/xvfb.pids"
    rm -f "$PASTELLE_DESKTOPS/xvfb.pids"
  fi
  _ws_keeper_pids=()
  _ws_prefixes=()
}
