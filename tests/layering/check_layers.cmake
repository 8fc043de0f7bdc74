# Fails, naming each file and include, where a room includes what it may not:
#   game code (shell, display, world, sound) a back end's header or a system media header, and
#   the front door or the replay room a real back end's;
#   anything under src/ a tool's header;
#   the platform layer the game, the replay room or the front door.
set(failures "")

# check_includes(WHY PATTERN FILES_OR_GLOBS...): every #include line of the files that matches PATTERN.
function(check_includes why pattern)
    file(GLOB_RECURSE files ${ARGN})
    foreach(file ${files})
        file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line ${lines})
            if(line MATCHES "${pattern}")
                file(RELATIVE_PATH name ${SOURCE} ${file})
                string(STRIP "${line}" line)
                set(failures "${failures}${name}: ${line} (${why})\n")
            endif()
        endforeach()
    endforeach()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

set(game_files)
foreach(room shell display world sound)
    list(APPEND game_files ${SOURCE}/src/${room}/*.cpp ${SOURCE}/src/${room}/*.h)
endforeach()
check_includes("game code includes a back end"
               "platform/(sdl|win32|web|headless|files)/|[<\"](SDL|windows\\.h|ddraw|dsound|emscripten)"
               ${game_files})
# The replay room runs scripts on the scripted back end; the front door runs on every back end
# without knowing which.
check_includes("the front door or the replay room includes a real back end"
               "platform/(sdl|win32|web)/|[<\"](SDL|windows\\.h|ddraw|dsound|emscripten)"
               ${SOURCE}/src/replay/* ${SOURCE}/src/launch/*.cpp ${SOURCE}/src/launch/*.h
               ${SOURCE}/src/launch/entry/*)
check_includes("src/ includes a tool" "(sim|datagen|autoplay|soak)/|tools/"
               ${SOURCE}/src/*.cpp ${SOURCE}/src/*.h)
file(GLOB_RECURSE platform_files ${SOURCE}/src/platform/*.cpp ${SOURCE}/src/platform/*.h)
check_includes("the platform layer includes the game"
               "[<\"](shell|display|world|sound|replay|launch)/" ${platform_files})

if(failures)
    message(FATAL_ERROR "Includes across the rooms' walls:\n${failures}")
endif()
message(STATUS "Every room keeps to its own side.")
