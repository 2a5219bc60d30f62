# The platform layer's sources that every system shares; each build adds
# its system's own file operations, font lookup and code page conversion.
set(PLATFORM_SOURCES
    platform/src/bmp_reader.cpp
    platform/src/data_folder.cpp
    platform/src/ddraw_object.cpp
    platform/src/ddraw_palette.cpp
    platform/src/ddraw_surface.cpp
    platform/src/dinput_device.cpp
    platform/src/dinput_object.cpp
    platform/src/dinput_pad_mapping.cpp
    platform/src/dinput_pads_sdl.cpp
    platform/src/dinput_pads_virtual.cpp
    platform/src/display.cpp
    platform/src/dsound_buffer.cpp
    platform/src/dsound_object.cpp
    platform/src/gdi_objects.cpp
    platform/src/gdi_pixels.cpp
    platform/src/gdi_text.cpp
    platform/src/input_script.cpp
    platform/src/kernel.cpp
    platform/src/key_recorder.cpp
    platform/src/key_replay.cpp
    platform/src/keymap.cpp
    platform/src/message_box.cpp
    platform/src/mixer.cpp
    platform/src/resources.cpp
    platform/src/script_keys.cpp
    platform/src/sound_output.cpp
    platform/src/surface_registry.cpp
    platform/src/window_messages.cpp
    platform/seam/seam.cpp)
list(TRANSFORM PLATFORM_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
