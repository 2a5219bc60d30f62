#!/bin/sh
# Fails when a game file includes from a folder above its own: app reaches
# screens and play, those reach stage, stage reaches video, audio and input,
# and those only the platform. app/app_state.h, which every subsystem shares,
# may be included anywhere; the platform includes nothing of the game, and no
# game file names SDL.
cd "$(dirname "$0")/.."

allowed() {
    case "$1" in
        app) echo "app screens play stage video audio input" ;;
        screens|play) echo "$1 stage video audio input" ;;
        stage) echo "stage video audio input" ;;
        video|audio|input) echo "$1" ;;
        platform) echo "" ;;
    esac
}

faults=$(for folder in app screens play stage video audio input platform; do
    ok=$(allowed "$folder")
    for file in $(find "$folder" -name '*.cpp' -o -name '*.h'); do
        grep -n '^#include "[a-z_]*/' "$file" | while IFS= read -r line; do
            target=$(echo "$line" | sed 's/.*#include "\([a-z_]*\)\/.*/\1/')
            header=$(echo "$line" | sed 's/.*#include "\([^"]*\)".*/\1/')
            [ "$header" = "app/app_state.h" ] && [ "$folder" != platform ] && continue
            case " $ok " in
                *" $target "*) ;;
                *) case "$target" in
                       app|screens|play|stage|video|audio|input) echo "$file: ${line#*:} reaches up from $folder/" ;;
                   esac ;;
            esac
        done
        if [ "$folder" != platform ] && grep -n 'SDL' "$file" | grep -q '#include'; then
            echo "$file: a game file includes SDL"
        fi
    done
done)
if [ -n "$faults" ]; then
    echo "$faults" >&2
    exit 1
fi
echo "includes: every game folder includes only downward"
