#!/usr/bin/env bash
# Drives marlix-cli's bash completion the way bash does: bash-completion loaded, the line split
# into COMP_WORDS, the completion function called, COMPREPLY compared.
# usage: completion_test.sh COMPLETION_SCRIPT MARLIX_CLI
set -uo pipefail
completion=$(realpath "$1")
cli=$(realpath "$2")

# shellcheck source=/dev/null
source /usr/share/bash-completion/bash_completion
# shellcheck source=/dev/null
source "$completion"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin" "$work/empty" "$work/profiles"
ln -s "$cli" "$work/bin/marlix-cli"
PATH=$work/bin:$PATH
cd "$work/profiles" || exit 1
if ! marlix-cli new zulu >/dev/null || ! marlix-cli --config other.ini new alpha >/dev/null ||
    ! marlix-cli --config other.ini new "my profile" >/dev/null; then
    echo "completion: cannot prepare the profile files" >&2
    exit 1
fi
# Outside a completion that readline started, bash refuses compopt; what it sets does not change
# COMPREPLY.
compopt() { :; }

# COMP_WORDS as bash makes them for a line that ends at the cursor: split at blanks that are
# not escaped or quoted, and at "=", which is a word of its own.
split_line() {
    local line=$1 word="" quote="" c i
    words=()
    for ((i = 0; i < ${#line}; i++)); do
        c=${line:i:1}
        if [[ -n $quote ]]; then
            [[ $c == "$quote" ]] && quote=""
            word+=$c
        elif [[ $c == \\ ]]; then
            word+=$c${line:i+1:1}
            ((i++))
        elif [[ $c == [\"\'] ]]; then
            quote=$c
            word+=$c
        elif [[ $c == " " ]]; then
            [[ -n $word ]] && words+=("$word")
            word=""
        elif [[ $c == = ]]; then
            [[ -n $word ]] && words+=("$word")
            words+=("=")
            word=""
        else
            word+=$c
        fi
    done
    words+=("$word")
}

passed=0
failed=0
# check FOLDER LINE EXPECTED: the sorted completions, separated by "|".
check() {
    local folder=$1 line=$2 expected=$3 got words
    split_line "$line"
    cd "$work/$folder" || exit 1
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMP_WORDS=("${words[@]}")
    COMP_CWORD=$((${#words[@]} - 1))
    COMPREPLY=()
    _marlix_cli marlix-cli "${words[-1]}" "${words[-2]}"
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd '|')
    if [[ $got == "$expected" ]]; then
        ((passed++))
    else
        ((failed++))
        printf 'FAIL in %s: "%s"\n  expected: %s\n  got:      %s\n' \
            "$folder" "$line" "$expected" "$got"
    fi
}

commands="check|delete|devices|diff|eject|import|mount|new|profiles|set|show|write"
check profiles 'marlix-cli ' "$commands"
check profiles 'marlix-cli --config other.ini ' "$commands"
check profiles 'marlix-cli --v' '--version'
check profiles 'marlix-cli sh' 'show'
check profiles 'marlix-cli show ' 'default|zulu'
check profiles 'marlix-cli --config other.ini show ' 'alpha|default|my\ profile'
check profiles 'marlix-cli --config=other.ini delete a' 'alpha'
check profiles 'marlix-cli --config other.ini diff my' 'my\ profile'
check profiles "marlix-cli --config other.ini show 'my" 'my profile'
check profiles 'marlix-cli --config other.ini diff my\ p' 'my\ profile'
check profiles 'marlix-cli --config other.ini new x --from d' 'default'
check profiles 'marlix-cli --config other.ini new x --from=a' 'alpha'
check profiles 'marlix-cli show default ' ''
check profiles 'marlix-cli write default --' \
    '--all-cards|--device|--help|--json|--no-sync-clock|--output|--sync-clock'
check profiles 'marlix-cli devices --' '--help|--json'
check profiles 'marlix-cli --config other.ini set alpha mode_' 'mode_1=|mode_2=|mode_3='
check profiles 'marlix-cli set zulu auto_shoot=3s a' 'auto_rec=|auto_shoot=|auto_shutdown='
# A key's texts after "KEY=", quoted as typed; they need no profile file.
check profiles 'marlix-cli set zulu mode_2=' '1280x720p\ 120|1280x720p\ 30|1280x720p\ 60'
check profiles 'marlix-cli set zulu fov=n' 'narrow|normal'
check empty "marlix-cli set default mode_2='1280x720p 1" '1280x720p 120'
check profiles 'marlix-cli set zulu nosuch=' ''
check profiles 'marlix-cli --config missing.ini show ' ''
# Tab in a folder without a profile file offers no names and creates no file.
check empty 'marlix-cli show ' ''
check empty 'marlix-cli set default mode' ''
if [[ -e $work/empty/cfg.ini || -e $work/profiles/missing.ini ]]; then
    ((failed++))
    echo "FAIL: completing created a profile file"
else
    ((passed++))
fi

echo "completion: $passed passed, $failed failed"
((failed == 0))
