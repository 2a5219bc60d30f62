# Sourced by the editor's end-to-end scripts: open_editor BUILD_DIR ARGS...
# starts frogpond-edit on the display start_xvfb made, sets $editor to its
# process and puts its window at the screen's top left with the focus, so
# that window points are picture points.
open_editor() {
    editor_build="$1"
    shift
    "$editor_build/frogpond-edit" "$@" &
    editor=$!
    sleep 1.5
    window=$(xdotool search --name "stage editor" | head -1)
    [ -n "$window" ] || { echo "no editor window" >&2; exit 1; }
    xdotool windowmove "$window" 0 0
    xdotool windowfocus "$window"
    sleep 0.3
}
