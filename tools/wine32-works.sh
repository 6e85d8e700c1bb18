#!/usr/bin/env bash
# Exits 0 when this machine can run 32-bit Wine. Some kernels run 64-bit user code only
# (execve of an i386 program fails with "Exec format error"); there the tests run a 64-bit build.
[ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
