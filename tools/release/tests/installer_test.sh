#!/usr/bin/env bash
# The installer under Wine, in a prefix of its own made fresh for each run: silent installs for
# the current user (twice) and for all users, the installed program started from its Start-menu
# entry, an upgrade in place by a newer build, the installer and the uninstaller refusing to touch
# anything while Pastelle runs, and removal that leaves the prefix as it was before.
# Usage: installer_test.sh SETUP VERSION NEWER_SETUP NEWER_VERSION ARCH WORK_DIR
# ARCH (win32 or win64) is the installer's: the prefix is made for it and its programs run with
# that architecture's Wine loader (tools/wine-session.sh). A 64-bit installer on its 64-bit prefix
# must install for all users under the 64-bit Program Files and keep its uninstall key in the
# 64-bit registry view.
# Runs on the display of the desktop ctest allotted it (tools/test.sh), else on $DISPLAY when
# set, otherwise on a private Xvfb.
set -euo pipefail
setup=$1 version=$2 newer_setup=$3 newer_version=$4 arch=$5 work=$6
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)

readonly key_path='Software\Microsoft\Windows\CurrentVersion\Uninstall\Pastelle'
readonly user_key="HKCU\\$key_path" machine_key="HKLM\\$key_path"
readonly exit_pastelle_runs=3
readonly window_title='Pastelle V2.0'

step() { echo "== $*"; }
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# shellcheck source=tools/wine-session.sh
source "$root/tools/wine-session.sh"
case "$arch" in
  win32) wine_can_run_32bit || fail "a 32-bit installer needs 32-bit Wine, and $WINE32_FAILURE" ;;
  win64) wine_can_run_64bit || fail "a 64-bit installer needs wine64, and $WINE64_LOADER does not start" ;;
  *) fail "ARCH is win32 or win64, not '$arch'" ;;
esac
wine_enter_allotted_desktop || true
starter_pid=""
finish() {
  [ -n "$starter_pid" ] && kill "$starter_pid" 2>/dev/null
  wine_session_stop
}
trap finish EXIT
rm -rf "$work"
mkdir -p "$work"
# The session makes the prefix for the architecture recorded in the folder it is given.
echo "$arch" >"$work/wine-arch"
wine_session_start "$work" current
[ "$WINEARCH" = "$arch" ] || fail "the session made a $WINEARCH prefix for a $arch installer"
# The loader of the prefix's architecture, as the session chose it.
wine=${PASTELLE_WINE:-wine}
# Shortcuts must not reach the desktop menus of the Linux user running the test.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
drive_c=$(realpath "$WINEPREFIX/drive_c")

# Polls CONDITION (a command) every 0.1 s for at most SECONDS seconds.
wait_until() {
  local seconds=$1 i
  shift
  for ((i = 0; i < seconds * 10; i++)); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  "$@"
}

run_wine() { "$wine" "$@" </dev/null 2>/dev/null 9>&-; }
# Runs a Windows program and prints its exit code.
exit_code_of() {
  local rc=0
  run_wine "$@" >/dev/null || rc=$?
  echo "$rc"
}

key_exists() { run_wine reg query "$1" >/dev/null; }
key_missing() { ! key_exists "$1"; }
# The data of value NAME of KEY (REG_SZ as text, REG_DWORD as 0x...); empty when missing.
reg_value() {
  run_wine reg query "$1" /v "$2" | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p" || true
}

unix_path() { realpath -m "$(run_wine winepath -u "$1")"; }

# Every path under drive_c, less the temporary folders and Wine's own bookkeeping.
prefix_listing() {
  (cd "$drive_c" && find . -path '*/Temp' -prune -o -print | grep -v -e '^\./windows/' | sort)
}
# Every path under drive_c whose name holds "pastelle", less the temporary folders.
pastelle_paths() {
  (cd "$drive_c" && find . -path '*/Temp' -prune -o -iname '*pastelle*' -print | sort)
}
# Names and contents of the files under DIR.
tree_digest() { (cd "$1" && find . -type f -exec md5sum {} + | sort); }
registry_digest() { run_wine reg query "$1" | tr -d '\r' | sort; }

for home in "$drive_c"/users/*; do
  [ "${home##*/}" = Public ] || user_name=${home##*/}
done
user_dir="C:\\users\\$user_name\\AppData\\Local\\Programs\\Pastelle"
# On a 64-bit prefix the 64-bit Program Files; a 32-bit program's would be "Program Files (x86)".
machine_dir='C:\Program Files\Pastelle'
user_shortcut="./users/$user_name/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Pastelle.lnk"
machine_shortcut='./ProgramData/Microsoft/Windows/Start Menu/Programs/Pastelle.lnk'

# The files of an installation in folder DIR (a Windows path) with its Start-menu entry SHORTCUT.
expected_paths() {
  local dir shortcut=$2
  dir=$(unix_path "$1")
  dir=".${dir#"$drive_c"}"
  {
    # The folder's own name and the program hold "pastelle"; the other files do not.
    echo "$dir"
    echo "$dir/pastelle.exe"
    echo "$shortcut"
  } | sort
}

# An installation in mode KEY (the uninstall key that must exist; the other must not), folder DIR,
# Start-menu entry SHORTCUT and version VERSION.
check_installed() {
  local key=$1 other_key=$2 dir=$3 shortcut=$4 want_version=$5 unix_dir
  key_exists "$key" || fail "no uninstall key $key"
  key_missing "$other_key" || fail "the installation also wrote $other_key"
  [ "$(reg_value "$key" DisplayName)" = Pastelle ] || fail "DisplayName is '$(reg_value "$key" DisplayName)'"
  [ "$(reg_value "$key" DisplayVersion)" = "$want_version" ] ||
    fail "DisplayVersion is '$(reg_value "$key" DisplayVersion)', not $want_version"
  [ "$(reg_value "$key" Publisher)" = 'The Pastelle developers' ] || fail "Publisher is '$(reg_value "$key" Publisher)'"
  [ "$(reg_value "$key" InstallLocation)" = "$dir" ] || fail "InstallLocation is '$(reg_value "$key" InstallLocation)', not $dir"
  [ "$(reg_value "$key" UninstallString)" = "\"$dir\\uninstall.exe\"" ] ||
    fail "UninstallString is '$(reg_value "$key" UninstallString)'"
  [ "$(reg_value "$key" QuietUninstallString)" = "\"$dir\\uninstall.exe\" /S" ] ||
    fail "QuietUninstallString is '$(reg_value "$key" QuietUninstallString)'"
  unix_dir=$(unix_path "$dir")
  local size_kb actual_kb
  size_kb=$(($(reg_value "$key" EstimatedSize)))
  actual_kb=$(($(du -s --apparent-size --block-size=1024 "$unix_dir" | cut -f1)))
  ((size_kb > actual_kb / 2 && size_kb < actual_kb * 2)) || fail "EstimatedSize $size_kb KB for $actual_kb KB of files"
  for file in pastelle.exe README.txt LICENSE.txt skins/midnight.skin uninstall.exe; do
    [ -f "$unix_dir/$file" ] || fail "$dir lacks $file"
  done
  cmp -s "$unix_dir/pastelle.exe" "$staged/pastelle.exe" || fail "the installed pastelle.exe is not the release's"
  cmp -s "$unix_dir/skins/midnight.skin" "$root/skins/midnight.skin" || fail "the installed skin is not skins/midnight.skin"
  check_registry_view "$key"
  local want
  want=$(expected_paths "$dir" "$shortcut")
  [ "$(pastelle_paths)" = "$want" ] ||
    fail "files named Pastelle outside the installation:"$'\n'"$(diff <(echo "$want") <(pastelle_paths))"
}

# The 64-bit installer keeps KEY in the 64-bit registry view: there, and for all users not in the
# 32-bit view (HKLM\Software\WOW6432Node). HKCU\Software is one key in both views.
check_registry_view() {
  local key=$1
  [ "$arch" = win64 ] || return 0
  run_wine reg query "$key" /reg:64 >/dev/null || fail "$key is not in the 64-bit registry view"
  if [ "$key" = "$machine_key" ]; then
    ! run_wine reg query "$key" /reg:32 >/dev/null || fail "$key is in the 32-bit registry view"
  fi
}

# A window titled TITLE of a process of this test's prefix (the display may be shared).
prefix_window_shown() {
  local id pid
  for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
    pid=$(xdotool getwindowpid "$id" 2>/dev/null) || continue
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then return 0; fi
  done
  return 1
}
window_shown() { prefix_window_shown "$window_title"; }
window_gone() { ! window_shown; }
starter_ended() { ! kill -0 "$starter_pid" 2>/dev/null; }

# Starts the installed program from its Start-menu entry and waits for its main window.
start_from_shortcut() {
  local shortcut="$drive_c/${1#./}"
  [ -f "$shortcut" ] || fail "no Start-menu entry $1"
  "$wine" start /wait /unix "$shortcut" </dev/null >/dev/null 2>&1 9>&- &
  starter_pid=$!
  wait_until 20 window_shown || fail "the installed Pastelle shows no window '$window_title'"
}

# Closes the program as Windows does at log-off (WM_CLOSE) and waits until it has ended.
close_pastelle() {
  run_wine taskkill /im pastelle.exe >/dev/null || fail "taskkill found no pastelle.exe"
  wait_until 20 starter_ended || fail "Pastelle did not end after WM_CLOSE"
  wait "$starter_pid" 2>/dev/null || true
  starter_pid=""
  wait_until 10 window_gone || fail "Pastelle's window stayed after it ended"
}

# Starts a program (the remaining arguments) that must show a window titled TITLE at once, and
# ends it there.
asks_to_close_pastelle() {
  local title=$1 asking
  shift
  "$wine" "$@" </dev/null >/dev/null 2>&1 9>&- &
  asking=$!
  wait_until 20 prefix_window_shown "$title" || fail "$1 shows no window '$title' while Pastelle runs"
  kill "$asking"
  wait "$asking" 2>/dev/null || true
}

# Runs the registered quiet uninstall command of KEY and waits until the key and folder are gone
# (the uninstaller runs from a copy of itself in the temporary folder and returns at once).
uninstall_quietly() {
  local key=$1 command exe arguments dir
  command=$(reg_value "$key" QuietUninstallString)
  dir=$(unix_path "$(reg_value "$key" InstallLocation)")
  exe=${command#\"}
  exe=${exe%%\"*}
  arguments=${command##*\" }
  # shellcheck disable=SC2086  # the registered arguments are words
  [ "$(exit_code_of "$exe" $arguments)" = 0 ] || fail "'$command' failed"
  dir_gone() { [ ! -e "$dir" ]; }
  wait_until 30 key_missing "$key" || fail "the uninstaller left $key"
  wait_until 30 dir_gone || fail "the uninstaller left $dir: $(ls -R "$dir")"
}

check_prefix_as_before() {
  local now
  now=$(prefix_listing)
  [ "$now" = "$before" ] || fail "left behind or removed:"$'\n'"$(diff <(echo "$before") <(echo "$now"))"
  [ -z "$(pastelle_paths)" ] || fail "left behind: $(pastelle_paths)"
  key_missing "$user_key" || fail "left $user_key"
  key_missing "$machine_key" || fail "left $machine_key"
  local hive
  for hive in 'HKCU\Software' 'HKLM\Software'; do
    if run_wine reg query "$hive" /s | grep -a -i pastelle; then fail "left the registry values above in $hive"; fi
  done
}

# The release's own files, as the installer carries them.
staged="$(dirname "$setup")/Pastelle-$version"
before=$(prefix_listing)

step "install for the current user (default), silently"
[ "$(exit_code_of "$setup" /S)" = 0 ] || fail "silent install failed"
check_installed "$user_key" "$machine_key" "$user_dir" "$user_shortcut" "$version"
first_install=$(tree_digest "$(unix_path "$user_dir")")

step "the same installer again: the same installation, one uninstall entry"
[ "$(exit_code_of "$setup" /S /CURRENTUSER)" = 0 ] || fail "second silent install failed"
check_installed "$user_key" "$machine_key" "$user_dir" "$user_shortcut" "$version"
[ "$(tree_digest "$(unix_path "$user_dir")")" = "$first_install" ] || fail "a second install changed the files"

step "start the installed program from the Start menu"
start_from_shortcut "$user_shortcut"

step "installer and uninstaller while Pastelle runs: exit $exit_pastelle_runs, nothing changed"
files_before=$(tree_digest "$(unix_path "$user_dir")")
key_before=$(registry_digest "$user_key")
[ "$(exit_code_of "$newer_setup" /S)" = "$exit_pastelle_runs" ] || fail "the installer did not refuse while Pastelle runs"
# In place (_?=): the uninstaller's own exit code, not that of its launcher.
[ "$(exit_code_of "$(unix_path "$user_dir")/uninstall.exe" /S "_?=$user_dir")" = "$exit_pastelle_runs" ] ||
  fail "the uninstaller did not refuse while Pastelle runs"
# Not silent, both say so in a message box (before any page) and wait for an answer.
asks_to_close_pastelle 'Pastelle Setup' "$newer_setup"
asks_to_close_pastelle 'Pastelle Uninstall' "$(unix_path "$user_dir")/uninstall.exe" "_?=$user_dir"
[ "$(tree_digest "$(unix_path "$user_dir")")" = "$files_before" ] || fail "a refused run changed the files"
[ "$(registry_digest "$user_key")" = "$key_before" ] || fail "a refused run changed the uninstall key"
[ -f "$drive_c/${user_shortcut#./}" ] || fail "a refused run removed the Start-menu entry"
window_shown || fail "Pastelle ended during a refused run"
close_pastelle

step "upgrade to $newer_version in place"
[ "$(exit_code_of "$newer_setup" /S)" = 0 ] || fail "the upgrade failed"
check_installed "$user_key" "$machine_key" "$user_dir" "$user_shortcut" "$newer_version"
start_from_shortcut "$user_shortcut"
close_pastelle

step "uninstall through the registered quiet command: the prefix as before"
uninstall_quietly "$user_key"
check_prefix_as_before

step "install for all users, upgrade in that mode, uninstall"
[ "$(exit_code_of "$setup" /S /ALLUSERS)" = 0 ] || fail "silent install for all users failed"
check_installed "$machine_key" "$user_key" "$machine_dir" "$machine_shortcut" "$version"
start_from_shortcut "$machine_shortcut"
close_pastelle
# With no switch the installer keeps the mode of the installation it finds.
[ "$(exit_code_of "$newer_setup" /S)" = 0 ] || fail "the all-users upgrade failed"
check_installed "$machine_key" "$user_key" "$machine_dir" "$machine_shortcut" "$newer_version"
uninstall_quietly "$machine_key"
check_prefix_as_before

echo "installer test passed"
