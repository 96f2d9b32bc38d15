#!/usr/bin/env bash
# The planted-fault run: plants each fault of a list, one at a time, in a scratch copy of the
# source, rebuilds, runs the whole test suite and reports whether the suite caught the fault.
# A developer tool, not part of CI (a build and a suite run per fault take minutes).
#
#   bash scripts/plant-faults.sh [-c] [-l LIST] [-j JOBS] [NAME...]
#
# -c only checks that each fault's text is in its file once, without building. LIST defaults
# to scripts/planted-faults.txt; NAMEs (shell patterns) pick some faults only.
# The scratch copy and its build live in $PLANT_DIR (build-plant unless set) and are reused from
# run to run, so that only what a fault touches is rebuilt; ccache is used when installed.
#
# The list holds one fault per record, records apart by a blank line, # starting a comment:
#   name: a short name
#   file: path from the top of the source
#   find: the exact text to replace (it must occur once in the file)
#   with: the text to put in its place (nothing: the text is deleted)
# A find or with line given again continues the text on a new line.
#
# One line per fault: "caught" (with the first tests that failed), "SURVIVED", "build broken",
# "not found" (the text is not in the file any more) or "ambiguous" (it is there more than once).
# The exit status is 0 only when every fault was caught.
set -uo pipefail
shopt -u patsub_replacement 2>/dev/null || true  # "&" in a replacement stays an ampersand

cd "$(dirname "$0")/.."
top=$(pwd)
list=scripts/planted-faults.txt
jobs=2
check_only=false
while getopts "cl:j:" option; do
    case $option in
        c) check_only=true ;;
        l) list=$OPTARG ;;
        j) jobs=$OPTARG ;;
        *) sed -n '5,8p' "$0" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
patterns=("$@")

plant=${PLANT_DIR:-build-plant}
mkdir -p "$plant"
plant=$(cd "$plant" && pwd)
src=$plant/src
# The build sits inside the copy as it does in a checkout, so that ccache (with a base folder
# above both) finds the compiles of the developer's own builds.
build=$src/build
log=$plant/log
mkdir -p "$src" "$log"

if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$top")}
    export CCACHE_NOHASHDIR=true  # debug builds would otherwise never share a compile
fi

# Brings the scratch copy level with the source. Only files that differ are copied, with a
# fresh time stamp, so that the build sees them change (a planted fault left behind by an
# interrupted run is replaced too); files the source no longer has go.
sync_copy() {
    local path
    local -A wanted_files=()
    while IFS= read -r -d '' path; do
        [[ -f $top/$path ]] || continue
        wanted_files[$path]=1
        if ! cmp -s "$top/$path" "$src/$path"; then
            mkdir -p "$(dirname "$src/$path")"
            cp "$top/$path" "$src/$path"
        fi
    done < <(git -C "$top" ls-files -z --cached --others --exclude-standard)
    while IFS= read -r -d '' path; do
        path=${path#"$src"/}
        [[ -n ${wanted_files[$path]:-} ]] || rm -f "$src/$path"
    done < <(find "$src" -path "$build" -prune -o -type f -print0)
}

# The suite's test programs, the quickest first. Each runs whole in one process (the tests
# themselves are those ctest runs one by one, less the Debian package check, which tests no
# code); the first program that fails ends the run of that fault.
test_programs() {
    local quick=(board/board_tests play/play_tests savegame/savegame_tests help/help_tests
        display/display_tests music/music_tests assets/assets_tests app/window_tests)
    local program
    {
        for program in "${quick[@]}"; do echo "$build/tests/$program"; done
        find "$build/tests" -mindepth 2 -maxdepth 2 -type f -name '*_tests' | sort
    } | awk '!seen[$0]++' | while read -r program; do [[ -x $program ]] && echo "$program"; done
}

build_and_test() {  # $1: log name; status 0 pass, 1 tests failed, 2 build broken
    if ! cmake --build "$build" -j "$jobs" >"$log/$1.build" 2>&1; then return 2; fi
    local program
    : >"$log/$1.test"
    for program in $(test_programs); do
        # A crash is a catch like any failure; the shell's own note of it stays out of the report.
        {
            (cd "$(dirname "$program")" &&
                QT_QPA_PLATFORM=offscreen timeout 600 "$program" --gtest_brief=1) \
                >>"$log/$1.test" 2>&1
        } 2>/dev/null
        local status=$?
        if ((status != 0)); then
            echo "[  FAILED  ] $(basename "$program") ended with status $status" >>"$log/$1.test"
            return 1
        fi
    done
    return 0
}

first_failures() {  # the tests the last run saw fail, at most three
    grep -o '^\[  FAILED  \] [A-Za-z0-9_/.]*' "$log/$1.test" | cut -c14- | awk '!seen[$0]++' |
        head -n 3 | paste -sd ' ' -
}

wanted() {
    [[ ${#patterns[@]} -eq 0 ]] && return 0
    local pattern
    for pattern in "${patterns[@]}"; do
        # shellcheck disable=SC2053
        [[ $1 == $pattern ]] && return 0
    done
    return 1
}

# Reads the list into parallel arrays.
names=() files=() finds=() withs=()
parse_list() {
    local line key text n=-1 last=""
    while IFS= read -r line || [[ -n $line ]]; do
        [[ $line =~ ^[[:space:]]*# ]] && continue
        if [[ -z ${line//[[:space:]]/} ]]; then last=""; continue; fi
        key=${line%%:*}
        text=${line#*:}
        text=${text# }
        case $key in
            name) n=$((n + 1)); names[n]=$text; files[n]=""; finds[n]=""; withs[n]=""
                  last=name ;;
            file) files[n]=$text; last=file ;;
            find) if [[ $last == find ]]; then finds[n]+=$'\n'$text; else finds[n]=$text; fi
                  last=find ;;
            with) if [[ $last == with ]]; then withs[n]+=$'\n'$text; else withs[n]=$text; fi
                  last=with ;;
            *) echo "$list: cannot read: $line" >&2; exit 2 ;;
        esac
    done <"$list"
}

# All of the run is read before it starts, so that editing this script meanwhile is safe.
main() {
    parse_list
    if $check_only; then
        status=0
        for i in "${!names[@]}"; do
            wanted "${names[i]}" || continue
            target=$top/${files[i]} find=${finds[i]}
            count=0
            if [[ -n $find && -f $target ]]; then
                original=$(cat "$target"; printf x)
                others=${original//"$find"/}
                count=$(((${#original} - ${#others}) / ${#find}))
            fi
            if ((count != 1)); then
                printf '%-14s %s (%s, found %d times)\n' "bad text" "${names[i]}" "${files[i]}" "$count"
                status=1
            fi
        done
        echo "${#names[@]} faults listed"
        exit $status
    fi
    sync_copy
    cmake -S "$src" -B "$build" -DVARNEL_BUILD_TESTS=ON >"$log/configure" 2>&1 ||
        { echo "configure failed, see $log/configure" >&2; exit 2; }

    echo "baseline: building and running the suite without a fault"
    build_and_test baseline
    case $? in
        0) ;;
        1) echo "the suite fails without a fault; see $log/baseline.test" >&2; exit 2 ;;
        2) echo "the source does not build; see $log/baseline.build" >&2; exit 2 ;;
    esac

    caught=0 missed=0
    for i in "${!names[@]}"; do
        name=${names[i]} file=${files[i]} find=${finds[i]} with=${withs[i]}
        wanted "$name" || continue
        target=$src/$file
        if [[ -z $find || ! -f $target ]]; then
            printf '%-14s %s (%s)\n' "not found" "$name" "$file"; missed=$((missed + 1)); continue
        fi
        original=$(cat "$target"; printf x)
        original=${original%x}
        others=${original//"$find"/}
        count=$(((${#original} - ${#others}) / ${#find}))
        if ((count != 1)); then
            status="not found"; ((count > 1)) && status="ambiguous"
            printf '%-14s %s (%s)\n' "$status" "$name" "$file"; missed=$((missed + 1)); continue
        fi

        printf '%s' "${original/"$find"/"$with"}" >"$target"
        build_and_test "$name"
        result=$?
        printf '%s' "$original" >"$target"  # a fresh time stamp: the next build takes it back

        case $result in
            0) printf '%-14s %s\n' "SURVIVED" "$name"; missed=$((missed + 1)) ;;
            1) printf '%-14s %s  [%s]\n' "caught" "$name" "$(first_failures "$name")"
               caught=$((caught + 1)) ;;
            2) printf '%-14s %s\n' "build broken" "$name"; missed=$((missed + 1)) ;;
        esac
    done

    echo "caught $caught of $((caught + missed)); logs in $log"
    ((missed == 0))
}

main "$@"; exit $?
