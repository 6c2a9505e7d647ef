#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# usage: installsteps.sh DOC BUILD
#
# Runs the commands of DOC's Install section in order, as written, against BUILD, harmlessly:
# those under sudo install into a throwaway root (DESTDIR) and have apt only simulate. What the
# order must survive is a file that a step under sudo leaves, owned by root, that a later step of
# the user's must write. Run as root, as CI runs, the two still have two owners: the steps under
# sudo act as nobody allowed to write anywhere, the user's as root without that right.
set -euo pipefail

commands=$(awk '/^#+ Install/ { section = 1; next } /^#/ { section = 0 }
                section && /^```sh/ { block = 1; next } block && /^```/ { exit } block' "$1")
[[ -n $commands ]] || { echo "No sh block under an Install heading in $1" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$2" "$work/build"    # the commands name it so, from the top of the tree
mkdir "$work/root"
echo 'APT::Get::Simulate "true";' >"$work/apt.conf"

user=()
administrator=(env DESTDIR="$work/root" APT_CONFIG="$work/apt.conf")
shell=(bash -euo pipefail)
if ((EUID == 0)); then
    user=(setpriv --bounding-set=-dac_override,-fowner)
    # Only the effective user is nobody: access(2) goes by the real one, which must stay root for
    # a build only root may enter (under /root); bash -p keeps bash from restoring the effective.
    administrator=(setpriv --euid=nobody --egid=nogroup --clear-groups
        --inh-caps=+dac_override --ambient-caps=+dac_override "${administrator[@]}")
    shell=(bash -p -euo pipefail)
elif [[ -e $2/install_manifest.txt && ! -w $2/install_manifest.txt ]]; then
    echo "SKIP: a real sudo cmake --install left $2/install_manifest.txt, which only root may" \
        "write again" >&2
    exit 77
fi

cd "$work"
while IFS= read -r line; do
    echo "+ $line"
    if [[ $line == "sudo "* ]]; then
        "${administrator[@]}" "${shell[@]}" -c "${line#sudo }"
    else
        "${user[@]}" "${shell[@]}" -c "$line"
    fi
done <<<"$commands"

test -x "$work/root/usr/local/bin/modempad"    # installed, and only where the test put it
