#!/bin/sh
# scripts/check-tools with each program of its table missing in turn: it must fail and name that
# program and its package, and nothing else; with all present it must pass. Every package it names
# must be one that scripts/install-deps installs. Usage: check-tools-test.sh <source folder>
set -u
src=$1
check="$src/scripts/check-tools"
bash=$(command -v bash)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "check-tools-test: $*" >&2
    failed=1
}

# The table, read back from the script: "command package" lines.
table=$(sed -n '/^tools="$/,/^"$/p' "$check" | sed '1d;$d')
[ -n "$table" ] || fail "no table of programs in $check"

# A PATH holding every program of the table but one.
path_without() {
    dir="$work/bin-$1"
    mkdir -p "$dir"
    echo "$table" | while read -r command package; do
        [ "$command" = "$1" ] && continue
        target=$(command -v "$command") && ln -sf "$target" "$dir/$command"
    done
    echo "$dir"
}

out=$(PATH=$(path_without none) "$bash" "$check" 2>&1) || fail "fails with every program present: $out"
echo "$table" | while read -r command package; do
    out=$(PATH=$(path_without "$command") "$bash" "$check" 2>&1)
    status=$?
    expected="check-tools: the program \"$command\" is missing; it comes with the Debian package \"$package\""
    [ "$status" -ne 0 ] || { echo "check-tools-test: passes without $command" >&2; exit 1; }
    [ "$out" = "$expected" ] || { echo "check-tools-test: without $command it said: $out" >&2; exit 1; }
done || failed=1

packages=$(sed -n '/^packages=(/,/^)/p' "$src/scripts/install-deps")
for package in $("$bash" "$check" --packages); do
    echo "$packages" | grep -qw -- "$package" || fail "install-deps does not install $package"
done
[ "$failed" -eq 0 ] && echo "check-tools-test: each missing program named with its package"
exit "$failed"
