#!/usr/bin/env bash
# Installs what building and testing Pastelle needs on Debian 12: the i686 and x86_64 mingw-w64
# toolchains, 32-bit and 64-bit Wine, a virtual X display, a CJK font, the host tools for native
# tests, fuzzing and the format check, and NSIS for the installers.
# Does nothing when everything is already there. Runs as root, or elevates through sudo.
set -euo pipefail

packages=(
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine32:i386 wine64 libxfixes3:i386 libxfixes3 fonts-wine xvfb fonts-wqy-microhei
  imagemagick xdotool xclip cmake ninja-build googletest clang clang-format libclang-rt-14-dev locales
  python3 nsis nsis-common
)

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

ensure_locale() {
  # Wine follows LC_ALL=zh_CN.UTF-8 for code page 936; generating it also quiets the shell.
  locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$' && return 0
  [ -f /etc/locale.gen ] || return 0
  if ! grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'zh_CN.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${as_root[@]}" locale-gen >/dev/null 2>&1 || true
}

if [ ${#missing[@]} -eq 0 ]; then
  ensure_locale
  exit 0
fi

echo "Installing: ${missing[*]}" >&2
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${as_root[@]}" dpkg --add-architecture i386
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
ensure_locale
