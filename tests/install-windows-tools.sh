#!/usr/bin/env bash
# Installs what the Windows suite needs, as root on Debian: the MinGW-w64 cross
# compiler for 32-bit Windows and Wine with its 32-bit loader. Where the kernel
# cannot run 32-bit Linux programs (Wine's loader is one), it has qemu run them.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive

dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update
apt-get install -y g++-mingw-w64-i686-posix wine wine32:i386 wine64 file

if ! wine --version >/dev/null 2>&1; then
  echo "This kernel does not run 32-bit programs: letting qemu run them."
  apt-get install -y qemu-user-static
  binfmt=/proc/sys/fs/binfmt_misc
  mountpoint -q "$binfmt" || mount -t binfmt_misc binfmt_misc "$binfmt"
  if [ ! -e "$binfmt/qemu-i386" ]; then
    # 32-bit x86 ELF executables and shared objects, as qemu's own set-up names them.
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" >"$binfmt/register"
  fi
  wine --version
fi
