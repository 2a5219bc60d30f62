# The game's own sources, shared by the Linux and the Windows builds.
set(GAME_SOURCES
    app/app_state.cpp
    app/frame.cpp
    app/main_window.cpp
    audio/snd_obj.cpp
    audio/sound_setup.cpp
    audio/sound_table.cpp
    audio/wave_buffer.cpp
    audio/wave_resource.cpp
    video/atlas_rects.cpp
    video/bitmap_util.cpp
    video/blit.cpp
    video/display.cpp
    video/fade.cpp
    video/text.cpp)
list(TRANSFORM GAME_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
