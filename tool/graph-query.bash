# bash completion for graph-query: its options, a command after FILE, and
# file names for FILE and CMDFILE. The lists below are those of
# `graph-query --help`, which the tests hold them to.

_graph_query()
{
    local cur prev words cword split
    _init_completion -s || return

    local options='--commands= --directed --help --jobs= --label-setting --minimum
        --no-header --version -c -d -h -j -l -m -V'
    local commands='list reachable distance path distances topo components matrix tree dot check'

    case $prev in
        -c | --commands)
            _filedir
            return
            ;;
        -j | --jobs)
            return
            ;;
    esac
    $split && return

    # The operands before the word: FILE, then COMMAND and its vertices.
    local i operands=0 commandsFile=false optionsEnd=false command=
    for ((i = 1; i < cword; i++)); do
        if $optionsEnd; then
            ((operands++))
            continue
        fi
        # Long options as abbreviated, short ones as grouped ("-dc FILE").
        case ${words[i]} in
            --) optionsEnd=true ;;
            --c*=* | -c?* | -[!-]*c?*) commandsFile=true ;;
            --c* | -c | -[!-]*c) commandsFile=true && ((i++)) ;;
            --j*=* | -j?* | -[!-]*j?*) ;;
            --j* | -j | -[!-]*j) ((i++)) ;;
            -*) ;;
            *) ((operands++ == 1)) && command=${words[i]} ;;
        esac
    done

    if [[ $cur == -* ]] && ! $optionsEnd; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
    elif ((operands == 0)); then
        _filedir
    elif ((operands == 1)) && ! $commandsFile; then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
    elif ((operands == 2)) && [[ $command == dot ]]; then
        COMPREPLY=($(compgen -W 'components tree' -- "$cur"))
    fi
} && complete -F _graph_query graph-query
