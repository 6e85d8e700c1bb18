#!/usr/bin/env bash
# A small volume that fills up: a tmpfs mounted on a folder and given to a Wine prefix as a drive
# (a link in its dosdevices folder). Run by the e2e driver from inside Wine, which starts Unix
# programs without waiting for them, so the outcome goes into STATUS_FILE: "mounted", or the
# reason the mount was refused. Mounting needs root.
# Usage: full-volume.sh mount FOLDER SIZE DRIVE_LINK STATUS_FILE
#        full-volume.sh unmount FOLDER DRIVE_LINK STATUS_FILE
set -u
# The usual Unix search path, whatever environment Wine hands on.
export PATH=/usr/sbin:/usr/bin:/sbin:/bin:$PATH
case "$1" in
  mount)
    mkdir -p "$2"
    umount "$2" 2>/dev/null   # one that an ended test left behind
    if error=$(mount -t tmpfs -o "size=$3,mode=0777" kv-full-volume "$2" 2>&1); then
      ln -sfn "$2" "$4" && echo mounted > "$5.tmp"
    else
      error=${error%%$'\n'*}; echo "${error:-mount failed}" > "$5.tmp"
    fi
    mv "$5.tmp" "$5" ;;
  unmount)
    rm -f "$3"
    umount "$2" 2>/dev/null || umount -l "$2" 2>/dev/null
    rmdir "$2" 2>/dev/null
    echo unmounted > "$4.tmp" && mv "$4.tmp" "$4" ;;
esac
