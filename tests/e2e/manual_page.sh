#!/usr/bin/env bash
# The manual page renders without warnings, and it and --help name the same
# options and commands.
#   manual_page.sh PROGRAM PAGE
set -u
gq=$1 page=$2
failed=0
warnings=$(groff -man -ww -z "$page" 2>&1)
if [[ -n $warnings ]]; then
    echo "groff warns: $warnings"
    failed=1
fi
text=$(groff -man -Tascii -P-cbou "$page" 2>/dev/null)
help=$("$gq" --help)
# section NAME TEXT: the lines of a section, from its heading to the next.
section() { awk -v name="$1" '/^[A-Z]/ { on = ($0 ~ "^" name) } on' <<<"$2"; }
# Options as "-d --directed" or "--no-header", one a line; commands with their
# arguments ("dot [A [B]]"), one a line.
options() { grep -oE -- '^ +(-[a-zA-Z], )?--[a-z-]+' | tr -d ', ' | sed -E 's/^(-.)(--)/\1 \2/'; }
commands() { grep -oE '^ {2,7}[a-z]+( [][A-Z]+)*( {2,}|$)' | sed -E 's/^ +| +$//g'; }
compare() {
    if [[ $2 != "$3" ]]; then
        echo "$1 differ between --help and the manual page:"
        diff <(echo "$2") <(echo "$3")
        failed=1
    fi
}
compare options "$(section Options "$help" | options | sort)" \
    "$(section OPTIONS "$text" | options | sort)"
compare commands "$(section Commands "$help" | commands | sort)" \
    "$(section COMMANDS "$text" | commands | sort)"
[[ $(section Options "$help" | options | wc -l) -ge 6 ]] || { echo "no options found"; failed=1; }
exit $failed
