#!/usr/bin/env bash
# Does on a Debian 12 with nothing installed what a new user and a packager do: the README's
# test command, its run command, and the package built there installed with apt on a second
# such machine. A package the scripts forget to install shows up here and nowhere else, since
# every development machine already has it.
#
# Run as root from a clone; it checks the clone's last commit. Downloads a few hundred MB and
# takes about fifteen minutes. The untouched root is kept in the work folder for later runs.
#
# usage: scripts/check-fresh-machine.sh [work-folder]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-/var/tmp/orvex-fresh-machine}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
display=${FRESH_DISPLAY:-:97}
app_title="Orvex Sequence Editor"

host_tools=(debootstrap xvfb xdotool imagemagick)
missing=()
for p in "${host_tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

mkdir -p "$work"
pristine=$work/pristine
if [[ ! -f $pristine/etc/debian_version ]]; then
  rm -rf "$pristine"
  debootstrap --variant=minbase bookworm "$pristine" "$mirror" >"$work/debootstrap.log"
fi

entered=()
leave_all() {
  for machine in "${entered[@]}"; do
    umount -R -l "$machine/tmp/.X11-unix" "$machine/dev" "$machine/proc" 2>/dev/null || true
  done
  [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null || true
}
trap leave_all EXIT

# A fresh copy of the untouched root, with the host's processes, devices, name service and X.
new_machine() {
  local machine=$work/$1
  rm -rf "$machine"
  cp -a "$pristine" "$machine"
  mkdir -p "$machine/tmp/.X11-unix"
  mount -t proc proc "$machine/proc"
  mount --rbind /dev "$machine/dev"
  mount --make-rslave "$machine/dev"
  mount --bind /tmp/.X11-unix "$machine/tmp/.X11-unix"
  cp /etc/resolv.conf "$machine/etc/resolv.conf"
  entered+=("$machine")
}

inside() {
  local machine=$work/$1
  shift
  chroot "$machine" /usr/bin/env -i HOME=/root LANG=C.UTF-8 DISPLAY="$display" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/bash -c "$*"
}

# Starts a command inside a machine, waits for the editor's window on the host's display, takes
# a picture of the screen and stops the command. Fails when no window comes within the limit.
shows_window() {
  local machine=$1 command=$2 picture=$3 limit=$4
  setsid chroot "$work/$machine" /usr/bin/env -i HOME=/root LANG=C.UTF-8 DISPLAY="$display" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "$command" >"$work/$machine-window.log" 2>&1 &
  local pid=$! shown=1
  local deadline=$((SECONDS + limit))
  while ((SECONDS < deadline)); do
    if DISPLAY=$display xdotool search --onlyvisible --name "$app_title" >/dev/null 2>&1; then
      sleep 2
      DISPLAY=$display import -window root "$picture"
      shown=0
      break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 3
  done
  kill -- -"$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  return $shown
}

if ! DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1; then
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  sleep 2
fi

results=()
record() { results+=("$1: $2"); }

new_machine build
mkdir -p "$work/build/root/orvex"
git -C "$repo" archive --format=tar HEAD | tar -x -C "$work/build/root/orvex"

if inside build "cd /root/orvex && bash scripts/test.sh" >"$work/test.log" 2>&1; then
  record "README test command" "passed ($(grep -Eo '[0-9]+% tests passed.*' "$work/test.log"))"
else
  record "README test command" "FAILED (see $work/test.log)"
fi

if shows_window build "cd /root/orvex && bash scripts/run-editor.sh" "$work/run-editor.png" 1200; then
  record "README run command" "window shown ($work/run-editor.png)"
else
  record "README run command" "FAILED: no window (see $work/build-window.log)"
fi

deb=
if inside build "cd /root/orvex/build/release && cpack -G DEB" >"$work/cpack.log" 2>&1; then
  deb=$(ls "$work"/build/root/orvex/build/release/*.deb)
  cp "$deb" "$work/"
  deb=$work/$(basename "$deb")
  record "package" "$(basename "$deb"), $(stat -c %s "$deb") bytes"
  record "Depends" "$(dpkg-deb -f "$deb" Depends)"
else
  record "package" "FAILED (see $work/cpack.log)"
fi

if [[ -n $deb ]]; then
  new_machine package
  cp "$deb" "$work/package/root/"
  if inside package "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
      /root/$(basename "$deb")" >"$work/apt-install.log" 2>&1; then
    record "apt-get install ./package" "installed"
    if shows_window package "orvex-editor" "$work/installed-editor.png" 120; then
      record "installed editor" "window shown ($work/installed-editor.png)"
    else
      record "installed editor" "FAILED: no window (see $work/package-window.log)"
    fi
    mkdir -p "$work/build/tmp/installed"
    cp "$work"/package/usr/share/applications/org.orvex.SequenceEditor.desktop \
      "$work"/package/usr/share/metainfo/org.orvex.SequenceEditor.metainfo.xml \
      "$work/build/tmp/installed/"
    if inside build "desktop-file-validate /tmp/installed/*.desktop &&
        appstreamcli validate --no-net /tmp/installed/*.metainfo.xml" >"$work/validate.log" 2>&1
    then
      record "installed desktop entry and metainfo" "valid"
    else
      record "installed desktop entry and metainfo" "INVALID (see $work/validate.log)"
    fi
  else
    record "apt-get install ./package" "FAILED (see $work/apt-install.log)"
  fi
fi

printf '%s\n' "${results[@]}"
! printf '%s\n' "${results[@]}" | grep -q 'FAILED\|INVALID'
