#!/bin/sh
# Starts the installed navigation program. The program reads Data/,
# resource/ and fonts/ relative to its working directory and writes Data/
# (registrations, map edits, table saves), while the installed tree may be
# read-only and shared by several users. So each user gets a folder of their
# own: Data/ is copied there on the first start and kept from then on,
# resource/ and fonts/ are links to the installed tree, and the program runs
# in that folder, with the arguments given here.
#
# The folder is $NAVIGATION_HOME when set, else
# $XDG_DATA_HOME/navigation-system/user, else
# ~/.local/share/navigation-system/user. That last folder keeps it away from
# the installed tree when the prefix is ~/.local, where a later install would
# write the sample data over the user's.
set -u

fail() {
    printf 'navigation-system: %s\n' "$*" >&2
    exit 1
}

# The install prefix is the folder above the one holding this script (after
# following links to it), so the installed tree can be moved as a whole.
self=$(readlink -f -- "$0" 2>/dev/null) || self=$0
prefix=$(cd -- "$(dirname -- "$self")/.." && pwd) || fail "cannot find the folder of $0"
program=$prefix/lib/navigation-system/navigation
tree=$prefix/share/navigation-system

[ -x "$program" ] || fail "the program $program is missing; install it again (cmake --install)"
for folder in Data resource fonts; do
    [ -d "$tree/$folder" ] || fail "the folder $tree/$folder is missing; install it again (cmake --install)"
done

# An XDG_DATA_HOME that is empty or relative is ignored, as the XDG base
# directory rules say.
if [ -n "${NAVIGATION_HOME:-}" ]; then
    home=$NAVIGATION_HOME
else
    case ${XDG_DATA_HOME:-} in
        /*) home=$XDG_DATA_HOME/navigation-system/user ;;
        *)
            [ -n "${HOME:-}" ] || fail "neither HOME nor XDG_DATA_HOME nor NAVIGATION_HOME is set: nowhere to keep the data"
            home=$HOME/.local/share/navigation-system/user
            ;;
    esac
fi
mkdir -p -- "$home" 2>/dev/null && [ -w "$home" ] || fail "cannot create the folder $home for the data"
[ "$(cd -- "$home" && pwd -P)" != "$(cd -- "$tree" && pwd -P)" ] ||
    fail "the folder $home for the data is the installed tree itself; choose another with NAVIGATION_HOME"

# Data/ is copied into a temporary folder beside it and renamed into place,
# so a copy cut short is never taken for a whole one. When two first starts
# race, the rename of the second fails on the first's Data/, which is used.
if [ ! -d "$home/Data" ]; then
    partial=$(mktemp -d -- "$home/.Data.partial.XXXXXX") || fail "cannot create a temporary folder in $home"
    if cp -R -- "$tree/Data/." "$partial" && chmod -R u+w -- "$partial"; then
        mv -T -- "$partial" "$home/Data" 2>/dev/null &&
            printf 'navigation-system: copied the sample data to %s\n' "$home/Data" >&2
    fi
    rm -rf -- "$partial"
    [ -d "$home/Data" ] || fail "cannot copy $tree/Data to $home/Data"
fi
# Half-finished copies left by a start that was cut short.
for stale in "$home"/.Data.partial.*; do
    [ -e "$stale" ] && rm -rf -- "$stale"
done

# The links follow the installed tree, wherever it now is; a real folder put
# there by the user is left alone.
for folder in resource fonts; do
    if [ -L "$home/$folder" ] || [ ! -e "$home/$folder" ]; then
        ln -sfn -- "$tree/$folder" "$home/$folder" || fail "cannot link $home/$folder to $tree/$folder"
    fi
done

cd -- "$home" || fail "cannot enter $home"
exec "$program" "$@"
