#!/bin/sh
# ensure_locales.sh LOCALE...: generates the named UTF-8 locales (such as
# bg_BG) that `locale -a` lacks. Only the superuser can; anyone else is told
# which are missing, and the tests that need them skip.
set -eu

missing=""
for name in "$@"; do
    if ! locale -a | grep -qix "$name\.utf-\?8"; then
        missing="$missing $name"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "missing locales:$missing (generating them needs the superuser)"
    exit 0
fi

for name in $missing; do
    line="$name.UTF-8 UTF-8"
    grep -qx "$line" /etc/locale.gen 2>/dev/null || echo "$line" >> /etc/locale.gen
done
locale-gen
for name in $missing; do
    locale -a | grep -qix "$name\.utf-\?8" || { echo "locale-gen did not make $name.UTF-8" >&2; exit 1; }
done
