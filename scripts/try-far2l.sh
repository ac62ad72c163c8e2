#!/usr/bin/env bash
# Runs Debian's own far2l in a Debian chroot, to try the packaged module in a real far2l:
#   scripts/try-far2l.sh [-r RELEASE] install [DEB]   dpkg -i DEB (default: the package that
#                                                     scripts/package.sh made) in the chroot
#   scripts/try-far2l.sh [-r RELEASE] remove          dpkg -r pickwell-far2l
#   scripts/try-far2l.sh [-r RELEASE] start [FOLDER [CLIPBOARD]]
#   scripts/try-far2l.sh [-r RELEASE] stop
#   scripts/try-far2l.sh [-r RELEASE] keys KEY...     tmux send-keys to far2l, then a second's wait
#   scripts/try-far2l.sh [-r RELEASE] pick ITEM       move the cursor of the menu on the screen to
#                                                     the item named ITEM and press Enter
#   scripts/try-far2l.sh [-r RELEASE] screen          the screen as text (tmux capture-pane)
#   scripts/try-far2l.sh [-r RELEASE] shell [COMMAND...]   a command (or a shell) in the chroot
# RELEASE is a Debian suite: trixie (Debian 13, far2l 2.6.5; the default) or sid (unstable,
# far2l 2.9.1 in December 2026). Each command first makes the chroot if it is missing:
# debootstrap (installed when missing) of RELEASE with far2l, in $PICKWELL_CHROOTS/RELEASE
# (default: the folder chroots/ beside this checkout).
#
# start copies FOLDER (default samples/folder) to /root/try/folder in the chroot and the text file
# CLIPBOARD (default samples/clipboard.txt) to /root/try/clipboard.txt, which far2l uses as its
# clipboard (through --clipboard: a copy in far2l rewrites the file), and starts far2l --tty on
# that folder in a detached 80x25 tmux session named far2l-RELEASE. Attach to it
# (tmux attach -t far2l-trixie) or drive it with tmux send-keys and read it with capture-pane.
# When far2l ends, the pane keeps its last screen and a line that says how far2l ended. far2l's
# profile (/root/.config/far2l in the chroot) is kept from one start to the next.
#
# The chroot sees /proc, /dev and /dev/pts through bind mounts made in a mount namespace of its
# own, so they go away when far2l or dpkg ends, however it ends. Needs root.
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$0")/.."

release=trixie
if [ "${1:-}" = -r ]; then
    release=$2
    shift 2
fi
command=${1:?usage: scripts/try-far2l.sh [-r RELEASE] install|remove|start|stop|keys|pick|screen|shell ...}
shift
chroots=${PICKWELL_CHROOTS:-$(cd .. && pwd)/chroots}
root=$chroots/$release
session=far2l-$release

# in_namespace <command>...: the command in a mount namespace that ends with it. Its errors go
# to the descriptor $command_errors (default 2), so that a caller can send bash's own notes
# elsewhere.
in_namespace() {
    unshare --mount --propagation private -- "$@" 2>&"${command_errors:-2}"
}

# in_chroot <command>...: the command inside the chroot, with /proc, /dev and /dev/pts and a
# plain environment.
in_chroot() {
    in_namespace bash -c '
        root=$1
        shift
        for fs in proc dev dev/pts; do mount --bind "/$fs" "$root/$fs"; done
        exec chroot "$root" /usr/bin/env -i HOME=/root TERM="$TERM" LANG=C.UTF-8 \
            PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"' bash "$root" "$@"
}

make_chroot() {
    [ -x "$root/usr/bin/far2l" ] && return
    if ! command -v debootstrap >/dev/null; then
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
    fi
    echo "== making a $release chroot with far2l in $root"
    rm -rf "$root"
    mkdir -p "$chroots"
    # In a namespace of its own too: the mounts debootstrap makes go with it if it fails.
    in_namespace debootstrap --variant=minbase --include=far2l "$release" "$root" \
        http://deb.debian.org/debian
}

install_package() {
    local version deb=${1:-}
    if [ -z "$deb" ]; then
        version=$(sed -n 's/^project(Pickwell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
        deb=dist/pickwell-far2l_${version}_$(dpkg --print-architecture).deb
    fi
    cp "$deb" "$root/tmp/"
    in_chroot dpkg -i "/tmp/${deb##*/}"
    rm -f "$root/tmp/${deb##*/}"
}

# The folder, the clipboard file, and the script through which far2l reads and writes it.
prepare_try() {
    local folder=$1 clipboard=$2 try=$root/root/try
    rm -rf "$try"
    mkdir -p "$try"
    cp -r "$folder" "$try/folder"
    cp "$clipboard" "$try/clipboard.txt"
    cat >"$try/clipboard" <<'EOF'
#!/bin/sh
# far2l's clipboard: the file clipboard.txt beside this script.
file=$(dirname "$0")/clipboard.txt
case $1 in
    get) cat "$file" ;;
    set) cat >"$file" ;;
    empty) : >"$file" ;;
esac
EOF
    chmod 0755 "$try/clipboard"
}

# far2l in the chroot, then how it ended (the tmux pane shows both). bash's own note of a child
# killed by a signal stays off the screen; far2l's errors do not.
run_far2l() {
    local status=0
    command_errors=3 in_chroot far2l --tty --mortal --clipboard=/root/try/clipboard \
        -cd /root/try/folder 3>&2 2>/dev/null || status=$?
    stty sane 2>/dev/null || true # a far2l that crashed leaves the terminal raw
    if [ "$status" -gt 128 ]; then
        printf '\nfar2l ended with status %s: signal %s (SIG%s)\n' "$status" "$((status - 128))" \
            "$(kill -l "$status")"
    else
        printf '\nfar2l ended with status %s\n' "$status"
    fi
}

# cursor_on <item>: whether the screen on stdin (capture-pane -e) shows the menu's cursor on the
# line of that item: the item's text is followed by a space and a space or a frame, and its
# background differs from that of the frame two columns to its left.
cursor_on() {
    LC_ALL=C awk -v item="$1" '
        {
            plain = ""; background = ""
            for (i = 1; i <= length($0); i++) {
                c = substr($0, i, 1)
                if (c == "\033" && match(substr($0, i), /^\033\[[0-9;]*m/)) {
                    code = substr($0, i + 2, RLENGTH - 3)
                    if (code ~ /(^|;)48;/) background = code
                    i += RLENGTH - 1
                    continue
                }
                plain = plain c; shade[length(plain)] = background
            }
            at = index(plain, item)
            after = substr(plain, at + length(item), 2)
            if (at > 2 && after ~ /^ ( |\342)/ && shade[at] != shade[at - 2]) found = 1
        }
        END { exit !found }'
}

pick_item() {
    local item=$1 tries
    tmux send-keys -t "$session" Home
    for ((tries = 0; tries < 100; tries++)); do
        sleep 0.3
        if tmux capture-pane -e -p -t "$session" | cursor_on "$item"; then
            tmux send-keys -t "$session" Enter
            sleep 1
            return
        fi
        tmux send-keys -t "$session" Down
    done
    echo "try-far2l.sh: the menu on the screen has no item $item" >&2
    exit 1
}

make_chroot
case $command in
    install) install_package "$@" ;;
    remove) in_chroot dpkg -r pickwell-far2l ;;
    start)
        tmux kill-session -t "$session" 2>/dev/null || true
        prepare_try "${1:-samples/folder}" "${2:-samples/clipboard.txt}"
        tmux new-session -d -s "$session" -x 80 -y 25 \
            "PICKWELL_CHROOTS='$chroots' '$self' -r '$release' run"
        tmux set-window-option -t "$session" remain-on-exit on >/dev/null
        echo "far2l $release runs in tmux session $session: tmux attach -t $session"
        ;;
    run) run_far2l ;; # the tmux session's command
    stop) tmux kill-session -t "$session" ;;
    keys)
        tmux send-keys -t "$session" "$@"
        sleep 1
        ;;
    pick) pick_item "$1" ;;
    screen) tmux capture-pane -p -t "$session" ;;
    shell) in_chroot "${@:-bash}" ;;
    *)
        echo "try-far2l.sh: unknown command $command" >&2
        exit 1
        ;;
esac
