#!/usr/bin/env bash
# Static checks over the program's own sources: clang-format's style,
# clang-tidy's agreed checks (.clang-tidy) and cppcheck. Takes the build folder
# whose compile_commands.json clang-tidy reads and, when that build was made
# from a copy of this tree (the package's), the copy's folder.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
built_from=${2:-$root}
cd "$root"

# The program's folders as the build lists them; those holding C++ are checked.
mapfile -t listed < "$build/programfolders.txt"
folders=()
for f in "${listed[@]}"; do
    [ -n "$(git ls-files "$f/*.cpp")" ] && folders+=("$f")
done
mapfile -t all < <(git ls-files '*.cpp' '*.h')
mapfile -t program < <(git ls-files "${folders[@]/%//*.cpp}")
header_filter=".*/($(IFS='|'; echo "${folders[*]}"))/.*"

echo "clang-format: ${#all[@]} files"
clang-format --dry-run --Werror "${all[@]}"

echo "cppcheck"
# Qt's text and list types are shared on copy, and Qt's own classes return
# them by value; newer cppcheck (Debian 13) would have a reference instead.
# Newer cppcheck also follows only some branches unless told to follow all,
# and fails on saying so; older cppcheck follows all and knows no such option.
depth=()
cppcheck --help | grep -q -- '--check-level' && depth=(--check-level=exhaustive)
cppcheck --quiet --enable=warning,performance,portability --library=qt --inline-suppr \
    --error-exitcode=1 --suppress=missingIncludeSystem --suppress=returnByReference "${depth[@]}" --std=c++20 \
    -I . "${folders[@]}"

echo "clang-tidy: ${#program[@]} files"
run-clang-tidy -p "$build" -j "$(nproc)" -quiet -header-filter="$header_filter" \
    "${program[@]/#/$built_from/}" > "$build/clang-tidy.log" 2>&1 || {
    grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u
    exit 1
}
echo "static checks: clean"
