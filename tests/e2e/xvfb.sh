# Sourced by the end-to-end scripts: start_xvfb FOLDER SIZE starts a virtual
# display on a free number, its screen image kept in FOLDER/Xvfb_screen0,
# sets $xvfb to its process and points SDL at it; the game's settings.ini
# goes in FOLDER/config, away from the player's own.
start_xvfb() {
    display=97
    while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
    Xvfb :$display -screen 0 "$2" -fbdir "$1" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    export DISPLAY=:$display SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11 XDG_CONFIG_HOME="$1/config"
}
