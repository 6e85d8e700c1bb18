#!/usr/bin/env bash
# Regenerates the pictures in docs/screens/: the end-to-end scenarios take theirs (the wait for a
# running IDE, a newer version recorded, a warning, the exit question, the folder browser,
# BeforeInstall in the Russian and the Japanese prefix, and the removal's question and answer),
# then the demo installs into Delphi 6 and takes every page and the licence dialog.
set -euo pipefail
source "$(dirname "$0")/common.sh"
prepare_builds "$@"
trap 'stop_wineserver "$demo_dir"; stop_wineserver "$run_dir"; stop_display' EXIT
out="$root/docs/screens"
rm -rf "$out"
mkdir -p "$out"
(cd "$run_dir" && KV_SCREENS=$(windows_path "$out") ctest -R '^e2e_tests$' --output-on-failure)
# BeforeInstall on a Russian and a Japanese Windows: the install folder in the letters typed.
for row in ru_RU ja_JP; do
  pictures=$(mktemp -d)
  (cd "$run_dir" && KV_SCREENS=$(windows_path "$pictures") ctest -R "^e2e_$row\$" --output-on-failure)
  cp "$pictures/before-install.png" "$out/before-install-$row.png"
  rm -rf "$pictures"
done
# The removal's two boxes; its installations' pages are the demo's to take.
pictures=$(mktemp -d)
(cd "$run_dir" && KV_SCREENS=$(windows_path "$pictures") ctest -R '^e2e_removal_tests$' --output-on-failure)
cp "$pictures/removal-question.png" "$pictures/removal-done.png" "$out/"
rm -rf "$pictures"
run_demo auto "$out" >/dev/null
ls "$out"
