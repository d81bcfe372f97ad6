#!/usr/bin/env bash
# Installs what building and testing Pastelle needs on Debian 12: the i686 mingw-w64 toolchain,
# 32-bit Wine, a virtual X display, a CJK font, the host tools for native tests and fuzzing, and
# NSIS for the installer.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  g++-mingw-w64-i686-posix wine wine32:i386 libxfixes3:i386 fonts-wine xvfb fonts-wqy-microhei
  imagemagick xdotool xclip cmake ninja-build googletest clang libclang-rt-14-dev locales python3
  nsis
)

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
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null 2>&1 || true
}

if [ ${#missing[@]} -eq 0 ]; then
  ensure_locale
  exit 0
fi

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}" >&2
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${as_root[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
ensure_locale
