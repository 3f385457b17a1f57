#!/usr/bin/env bash
# The manual page renders without warnings; it, the README's tables and the
# bash completion name exactly the options and commands that --help, made
# from the command table, names; and the completion completes in bash.
#   documents.sh PROGRAM PAGE README COMPLETION DATA_DIR
set -u
gq=$1 page=$2 readme=$3 completion=$4 data=$5
failed=0
text=$(groff -man -Tascii -P-cbou "$page" 2>/dev/null)
help=$("$gq" --help)
# section NAME TEXT: the lines of a section, from its heading to the next.
section() { awk -v name="$1" '/^[A-Z]/ { on = ($0 ~ "^" name) } on' <<<"$2"; }
# Options as "-d --directed" or "--no-header", one a line; commands with their
# arguments ("dot [A [B]]"), one a line.
options() { grep -oE -- '^ +(-[a-zA-Z], )?--[a-z-]+' | tr -d ', ' | sed -E 's/^(-.)(--)/\1 \2/'; }
commands() { grep -oE '^ {2,7}[a-z]+( [][A-Z]+| \| [a-z]+]*)*( +|$)' | sed -E 's/^ +| +$//g'; }
# The README's tables of commands and of options: a row's first cell, its
# backquoted words.
table() { awk -v head="$1" 'index($0, head) == 1 { on = 1; next } on && !/^\|/ { exit } on' "$readme" |
    tail -n +2 | sed 's/\\|/\x1f/g' | cut -d'|' -f2 | tr '\037' '|'; }
readmeOptions() {
    table '| option |' | while read -r cell; do
        short=$(grep -oE -- '`-[a-zA-Z][` ]' <<<"$cell" | tr -d '` ') long=$(grep -oE -- '--[a-z-]+' <<<"$cell")
        echo "${short:+$short }$long"
    done
}
readmeCommands() { table '| command |' | grep -oE '`[^`]+`' | tr -d '`'; }
# What the completion offers for the words given, the last one being completed.
complete() {
    bash -c 'source /usr/share/bash-completion/bash_completion && source "$0" && cd "$1" &&
             shift && COMP_WORDS=("$@") && COMP_CWORD=$(($# - 1)) && COMP_LINE="$*" &&
             COMP_POINT=${#COMP_LINE}; _graph_query; printf "%s\n" "${COMPREPLY[@]}"' \
        "$completion" "$data" graph-query "$@" 2>/dev/null | sort
}
compare() {
    [[ $2 == "$3" ]] && return
    echo "$1 differ:"
    diff <(echo "$2") <(echo "$3")
    failed=1
}
compare "groff's warnings and none" "$(groff -man -ww -z "$page" 2>&1)" ""
helpOptions=$(section Options "$help" | options | sort)
helpCommands=$(section Commands "$help" | commands | sort)
compare "options of --help and the manual page" "$helpOptions" \
    "$(section OPTIONS "$text" | options | sort)"
compare "commands of --help and the manual page" "$helpCommands" \
    "$(section COMMANDS "$text" | commands | sort)"
compare "options of --help and the README" "$helpOptions" "$(readmeOptions | sort)"
compare "commands of --help and the README" "$helpCommands" "$(readmeCommands | sort)"
compare "options of --help and the completion" \
    "$(tr ' ' '\n' <<<"$helpOptions" | sed -E 's/^(--(commands|jobs))$/\1=/' | sort)" \
    "$(complete -)"
compare "commands of --help and the completion" "$(sed 's/ .*//' <<<"$helpCommands" | sort)" \
    "$(complete test1.txt '')"
compare "files for FILE" "$(cd "$data" && ls test*.txt | sort)" "$(complete -d test)"
compare "files for CMDFILE" "$(cd "$data" && ls test*.txt | sort)" "$(complete --commands=test)"
compare "after --commands=CMDFILE FILE" "" "$(complete --commands x test1.txt '')"
[[ $(wc -l <<<"$helpOptions") -ge 6 ]] || { echo "no options found"; failed=1; }
[[ $(wc -l <<<"$helpCommands") -ge 8 ]] || { echo "no commands found"; failed=1; }
exit $failed
