#!/usr/bin/env bash
# Runs ./test.sh as CI does, on a fresh minimal Debian of the given release, made for the purpose
# in a chroot: what a new user or a new CI machine of that release meets. The chroot holds only
# git and the CA certificates; ./test.sh installs everything else, as on a fresh machine.
#
#   scripts/test-on-debian.sh RELEASE      for example bookworm (Debian 12) or trixie (Debian 13)
#
# Needs root (debootstrap, chroot and mounts) and about 8 GB of disk; takes 30 minutes or more.
# It tests the committed main branch, not the working tree. The chroot is made afresh under
# build-debian/RELEASE/ (or $PROPORCIA_CHROOT_DIR), its log is build-debian/RELEASE.log; at the
# end it prints the summary of every stage and exits with ./test.sh's exit code.
#
# Inside, the chroot trusts the CA certificates this machine trusts (some networks re-sign TLS),
# and its virtual X displays start from a number this machine does not use: a chroot shares the
# machine's abstract X sockets.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

release=${1:-}
if [ -z "$release" ] || [ $# -ne 1 ]; then
    echo "Usage: $0 RELEASE   (for example bookworm or trixie)" >&2
    exit 2
fi
if [ "$(id -u)" -ne 0 ]; then
    exec sudo -- "$0" "$@"
fi
mirror=${PROPORCIA_DEBIAN_MIRROR:-http://deb.debian.org/debian}
chroot_dir=$(realpath -m "${PROPORCIA_CHROOT_DIR:-$root/build-debian/$release}")
log=$(realpath -m "$root/build-debian/$release.log")

scripts/install-packages.sh debootstrap git ca-certificates

mounted_inside() { grep -F " $chroot_dir/" /proc/self/mounts | cut -d' ' -f2 || true; }
unmount_all() {
    local mount
    # The deepest first.
    for mount in $(mounted_inside | sort -r); do
        umount -l "$mount" 2>/dev/null || true
    done
}
trap unmount_all EXIT

# A fresh chroot each time, never one a run before left behind.
unmount_all
if [ -n "$(mounted_inside)" ]; then
    echo "Something is still mounted in $chroot_dir; not removing it" >&2
    exit 1
fi
rm -rf "$chroot_dir"
mkdir -p "$chroot_dir" "$(dirname "$log")"
started=$SECONDS
echo "Making a minimal Debian $release in $chroot_dir"
debootstrap --variant=minbase --include=git,ca-certificates "$release" "$chroot_dir" \
    "$mirror" >"$log" 2>&1 || {
    tail -n 20 "$log" >&2
    exit 1
}
# The updates and the security updates too, as an installed system has them.
security_mirror=${PROPORCIA_DEBIAN_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
cat >>"$chroot_dir/etc/apt/sources.list" <<SOURCES
deb $mirror $release-updates main
deb $security_mirror $release-security main
SOURCES
packages_at_start=$(chroot "$chroot_dir" dpkg-query -W -f='${Status}\n' |
    grep -c 'install ok installed')

# What the programs inside need of a running system: processes, devices, shared memory
# (Chromium), pseudo-terminals. Slaves, so that unmounting them here leaves the machine's alone.
mount -t proc proc "$chroot_dir/proc"
for system in sys dev; do
    mount --rbind "/$system" "$chroot_dir/$system"
    mount --make-rslave "$chroot_dir/$system"
done

# The certificates this machine trusts, as one more local authority of the chroot's.
install -m 644 /etc/ssl/certs/ca-certificates.crt \
    "$chroot_dir/usr/local/share/ca-certificates/host-trusted.crt"
chroot "$chroot_dir" update-ca-certificates >/dev/null 2>&1

# The first display number with 50 free ones after it, from 200 on.
display=200
while grep -qE "@/tmp/\.X11-unix/X($(seq -s '|' "$display" $((display + 49))))\$" /proc/net/unix; do
    display=$((display + 50))
done

git clone --quiet --branch main --single-branch "file://$root" "$chroot_dir/root/proporcia"
echo "Running ./test.sh on Debian $release (commit $(git -C "$chroot_dir/root/proporcia" \
    rev-parse --short HEAD), displays from :$display); log: $log"
status=0
# As on a fresh machine: no locale, nothing in the environment but what a login gives.
chroot "$chroot_dir" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    CI=true PROPORCIA_FIRST_DISPLAY="$display" \
    NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt \
    bash -c 'cd /root/proporcia && ./test.sh' >>"$log" 2>&1 || status=$?

packages_at_end=$(chroot "$chroot_dir" dpkg-query -W -f='${Status}\n' |
    grep -c 'install ok installed')
echo "Debian $release: ./test.sh exited with $status after $(((SECONDS - started) / 60)) min" \
    "$(((SECONDS - started) % 60)) s in all; it installed $((packages_at_end - packages_at_start))" \
    "packages (the chroot had $packages_at_start), and the chroot takes $(du -sh --one-file-system \
    "$chroot_dir" | cut -f1)."
sed -n '/^==> Summary/,$p' "$log"
[ $status -eq 0 ] || tail -n 60 "$log" | sed -n '/^==> Summary/q;p' >&2
exit $status
