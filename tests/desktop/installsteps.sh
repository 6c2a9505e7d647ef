#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# usage: installsteps.sh DOC BUILD
#
# Runs the commands of DOC's Install section in order, as written, against the build in BUILD,
# yet harmlessly: what runs under sudo installs into a throwaway root (DESTDIR) and has apt only
# simulate, so that nothing lands on the system that runs the tests.
#
# What the steps must survive is their order: a file that a step under sudo leaves behind, owned
# by root, that a later step of the user's must write. Run as root, as CI runs, the two are still
# kept apart as two owners: the steps under sudo act as nobody with the right to write anywhere,
# the user's as root without that right, so that these may not write what those leave, as a
# user may not.
set -euo pipefail

doc=$1
build=$2

commands=$(awk '/^#+ Install/ { section = 1; next }
                /^#/ { section = 0 }
                section && /^```sh/ { block = 1; next }
                block && /^```/ { exit }
                block' "$doc")
if [[ -z $commands ]]; then
    echo "No sh block under an Install heading in $doc" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The commands name the build "build", from the top of the source tree.
ln -s "$build" "$work/build"
mkdir "$work/root"
echo 'APT::Get::Simulate "true";' >"$work/apt.conf"

user=()
administrator=(env DESTDIR="$work/root" APT_CONFIG="$work/apt.conf")
shell=(bash -euo pipefail)
if ((EUID == 0)); then
    user=(setpriv --bounding-set=-dac_override,-fowner)
    # Only the effective user is nobody: access(2) goes by the real one, which must stay root
    # for paths only root may enter (a build under /root), and bash -p keeps bash from setting
    # the effective user back to the real one.
    administrator=(setpriv --euid=nobody --egid=nogroup --clear-groups
        --inh-caps=+dac_override --ambient-caps=+dac_override "${administrator[@]}")
    shell=(bash -p -euo pipefail)
elif [[ -e $build/install_manifest.txt && ! -w $build/install_manifest.txt ]]; then
    # A real `sudo cmake --install` left it, and only root may write it again.
    echo "SKIP: $build/install_manifest.txt is root's: the steps under sudo cannot be run" \
        "here without sudo" >&2
    exit 77
fi

cd "$work"
while IFS= read -r line; do
    [[ -n $line ]] || continue
    echo "+ $line"
    if [[ $line == "sudo "* ]]; then
        "${administrator[@]}" "${shell[@]}" -c "${line#sudo }"
    else
        "${user[@]}" "${shell[@]}" -c "$line"
    fi
done <<<"$commands"

# Installed, and only where the test put it.
test -x "$work/root/usr/local/bin/modempad"
