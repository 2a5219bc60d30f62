# Every shipped map has a replay that clears it with its recorded time.
file(GLOB SHIPPED_STAGE_MAPS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/map/map*.map)
foreach(map ${SHIPPED_STAGE_MAPS})
    get_filename_component(stage ${map} NAME_WE)
    add_test(NAME replay_${stage}
             COMMAND ${CMAKE_SOURCE_DIR}/tests/replays/check_replay.sh $<TARGET_FILE:sim> ${map}
                     ${CMAKE_SOURCE_DIR}/tests/replays/${stage}.txt)
endforeach()
add_test(NAME shipped_stages COMMAND ${CMAKE_SOURCE_DIR}/tests/stage/shipped_stages.sh ${CMAKE_SOURCE_DIR})

# The sample stage pack keeps each replay beside its map, as the editor saves it.
file(GLOB SAMPLE_PACK_MAPS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packs/sample/map*.map)
foreach(map ${SAMPLE_PACK_MAPS})
    get_filename_component(stage ${map} NAME_WE)
    add_test(NAME replay_sample_${stage}
             COMMAND ${CMAKE_SOURCE_DIR}/tests/replays/check_replay.sh $<TARGET_FILE:sim> ${map}
                     ${CMAKE_SOURCE_DIR}/packs/sample/${stage}.txt)
endforeach()
