#!/usr/bin/env bash
# make test-wine10: the tiers that run under Wine (unit-wine, unit-wine-utf8,
# win, e2e) once more under Wine 10, with the exe and test programs make test
# built, in a Debian 13 chroot made once under VEXMOOR_WINE10_CACHE (default
# /var/cache/vexmoor-wine10) and reused. Ends with the tier lines of
# tools/run-tests.sh marked "(wine 10)".
# Usage: tools/wine10.sh BUILD_DIR [TIER ...]   (as root; the tiers default to all four)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?build dir}" && pwd)
shift
tiers=${*:-unit-wine unit-wine-utf8 win e2e}
cache=${VEXMOOR_WINE10_CACHE:-/var/cache/vexmoor-wine10}
chroot_dir="$cache/chroot"
[ "$(id -u)" = 0 ] || { echo "test-wine10: a chroot needs root" >&2; exit 1; }

# The packages of the Windows tiers, as tools/install-deps.sh installs them on Debian 12.
packages=(
  wine wine64 gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  xvfb xdotool imagemagick python3 pulseaudio pulseaudio-utils locales
  fonts-ipafont-gothic fonts-liberation fonts-liberation2 fonts-nanum fonts-dejavu-core lame ffmpeg procps e2fsprogs libx11-6
)

# The same archive as this machine's own packages.
mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
mirror=${mirror:-http://deb.debian.org/debian}

mounted=()
unmount_all() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -R "${mounted[i]}" 2>/dev/null || umount -lR "${mounted[i]}"; done
  mounted=()
}
trap unmount_all EXIT
mount_into() {  # chroot, then the mount's own arguments with its target last
  local target=${*: -1}
  mkdir -p "$target"
  mount "${@:2}" && mounted+=("$target")
}
system_mounts() {
  mount_into "$1" -t proc proc "$1/proc"
  mount_into "$1" --rbind /dev "$1/dev"
  mount --make-rslave "$1/dev"
  mount_into "$1" -t tmpfs tmpfs "$1/tmp"
}

install_packages() {  # chroot
  echo "test-wine10: installing Wine 10 and the test tools into the chroot"
  system_mounts "$1"
  cp /etc/resolv.conf "$1/etc/resolv.conf" 2>/dev/null
  if ! chroot "$1" sh -c "apt-get update -qq &&
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ${packages[*]}" \
      >"$cache/install.log" 2>&1; then
    tail -20 "$cache/install.log"; unmount_all; return 1
  fi
  echo 'ja_JP.UTF-8 UTF-8' >"$1/etc/locale.gen"
  chroot "$1" locale-gen >/dev/null 2>&1
  chroot "$1" apt-get clean
  unmount_all
  echo "${packages[*]}" >"$1/.vexmoor-packages"
}

build_chroot() {
  local new="$cache/chroot.new"
  mkdir -p "$cache"
  if [ ! -f "$new/.base-installed" ]; then
    rm -rf "$new"
    echo "test-wine10: debootstrap of Debian 13 into $new (from $mirror)"
    debootstrap --variant=minbase trixie "$new" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
      { tail -20 "$cache/debootstrap.log"; return 1; }
    touch "$new/.base-installed"
  fi
  install_packages "$new" && mv "$new" "$chroot_dir"
}

started=$SECONDS
if [ ! -x "$chroot_dir/usr/bin/wine" ]; then
  build_chroot
elif [ "$(cat "$chroot_dir/.vexmoor-packages" 2>/dev/null)" != "${packages[*]}" ]; then
  # A chroot made for an older list of packages gets the ones it lacks.
  install_packages "$chroot_dir"
fi || { echo "test-wine10: the chroot could not be made"; echo "unit-wine (wine 10): 0 passed, 1 failed"; exit 1; }
[ $((SECONDS - started)) -gt 1 ] && echo "test-wine10: chroot ready in $((SECONDS - started)) s"

# The tiers' own folder: the programs of make test through links, and prefixes,
# homes, logs and media of Wine 10's own beside them.
own="$build/wine10"
mkdir -p "$own"
for part in win native; do ln -sfn "../$part" "$own/$part"; done
# Made here, with this machine's encoders and compiler: the chroot has neither the compiler nor sox.
"$root/tools/make-test-media.sh" "$own/media"
if [ ! -x "$build/e2e-tools/xdnd_drop" ]; then
  mkdir -p "$own/e2e-tools"
  cc -std=c11 -D_DEFAULT_SOURCE -O1 -o "$own/e2e-tools/xdnd_drop" "$root/tests/e2e/xdnd_drop.c" -lX11
else
  ln -sfn ../e2e-tools "$own/e2e-tools"
fi

system_mounts "$chroot_dir"
mount_into "$chroot_dir" --bind "$root" "$chroot_dir$root"
case "$build/" in "$root/"*) ;; *) mount_into "$chroot_dir" --bind "$build" "$chroot_dir$build" ;; esac
echo "test-wine10: $(chroot "$chroot_dir" wine --version 2>/dev/null) in $chroot_dir"

display=$((${VEXMOOR_E2E_DISPLAY:-91} + 4))
chroot "$chroot_dir" env -i PATH=/usr/local/bin:/usr/bin:/bin TERM=dumb HOME=/root \
  VEXMOOR_E2E_DISPLAY="$display" VEXMOOR_TIERS="$tiers" VEXMOOR_TIER_MARK=" (wine 10)" \
  VEXMOOR_WINE_DIFFERENCES="${VEXMOOR_WINE10_DIFFERENCES-mfplat,exitcode}" \
  "$root/tools/run-tests.sh" "$own"
status=$?
# Whatever the tiers left running in the chroot (a Wine server, a sound server) would hold its mounts.
for process in /proc/[0-9]*; do
  [ "$(readlink "$process/root" 2>/dev/null)" = "$chroot_dir" ] && kill "${process#/proc/}" 2>/dev/null
done
unmount_all
exit $status
