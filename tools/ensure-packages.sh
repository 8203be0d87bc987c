#!/usr/bin/env bash
# tools/ensure-packages.sh LIST...: installs the Debian packages of the named
# lists (tools/packages/LIST.txt) that are missing. As root it runs apt-get;
# as anyone else it names the command to run. A package counts as there when
# an installed package provides it (as a node that bundles npm does).
set -euo pipefail

# What the installed packages provide, one name a line.
provided=$(dpkg-query -W -f='${db:Status-Status} ${Provides}\n' 2>/dev/null |
    sed -n 's/^installed //p' | tr ',' '\n' | sed 's/ *(.*//; s/^ *//')

installed() {
    [[ $(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null || true) == installed ]] ||
        grep -qxF "$1" <<< "$provided"
}

missing=()
for name in "$@"; do
    list="$(dirname "$0")/packages/$name.txt"
    while read -r package _; do
        [[ -z "$package" || "$package" == \#* ]] && continue
        installed "$package" || [[ " ${missing[*]} " == *" $package "* ]] || missing+=("$package")
    done < "$list"
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "Lodarix needs these Debian packages, which are not installed:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    exit 1
fi

echo "Installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
