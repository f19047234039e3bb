#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop reads there: the program,
# its launcher, its description and every icon size, each valid by freedesktop.org's own tools.
set -euo pipefail
build=$1
prefix=$2
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.orvex.SequenceEditor
expected=(
  bin/orvex-editor
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/icons/hicolor/scalable/apps/$id.svg
)
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
status=0
for file in "${expected[@]}"; do
  if [[ ! -s $prefix/$file ]]; then
    echo "not installed: $file" >&2
    status=1
  fi
done
[[ -x $prefix/bin/orvex-editor ]] || { echo "not executable: bin/orvex-editor" >&2; status=1; }

desktop-file-validate "$prefix/share/applications/$id.desktop" || status=1
appstreamcli validate --no-net --no-color "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || {
  appstreamcli validate --no-net --no-color "$prefix/share/metainfo/$id.metainfo.xml" >&2
  status=1
}
exit $status
