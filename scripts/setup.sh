#!/usr/bin/env bash
# setup.sh [LIST ...]: makes sure the Debian packages of the named lists in packages/ (all
# lists when none is named) are installed. As root it installs what is missing; otherwise it
# names the missing packages and stops.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

lists=()
if [ $# -eq 0 ]; then
    lists=("$here"/packages/*.list)
else
    for name in "$@"; do lists+=("$here/packages/$name.list"); done
fi

mapfile -t wanted < <(sed 's/#.*//' "${lists[@]}" | tr -s ' \t' '\n' | sed '/^$/d' | sort -u)
missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Install them as root: apt-get install ${missing[*]}" >&2
    exit 1
fi
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
    ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
echo "Installing: ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
