# The welcome window belongs to the library; main alone makes the program.
target_sources(camguide_lib PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/welcomepage.h
    ${CMAKE_CURRENT_LIST_DIR}/welcomepage.cpp)

add_executable(CAMGUIDE ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(CAMGUIDE PRIVATE camguide_lib camguide_warnings)

# The program opens config.xml, images/ and lang/ relative to its working
# directory, so each build lays out a folder that runs as shipped:
#   macos:   CAMGUIDE.app/Contents/{MacOS/CAMGUIDE,config.xml,images,lang},
#            started from the folder holding CAMGUIDE.app
#   windows: CAMGUIDE, config.xml, images/ and lang/ side by side
# The folder that receives config.xml, images/ and lang/ is kept on the
# target as CAMGUIDE_SHIP_DIR for resources/ and the tests.
if(CAMGUIDE_TARGET STREQUAL "macos")
    set(camguide_ship_dir ${CMAKE_BINARY_DIR}/CAMGUIDE.app/Contents)
    if(APPLE)
        set_target_properties(CAMGUIDE PROPERTIES
            MACOSX_BUNDLE TRUE
            RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
    else()
        set_target_properties(CAMGUIDE PROPERTIES
            RUNTIME_OUTPUT_DIRECTORY ${camguide_ship_dir}/MacOS)
    endif()
else()
    set(camguide_ship_dir ${CMAKE_BINARY_DIR}/CAMGUIDE-windows)
    set_target_properties(CAMGUIDE PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${camguide_ship_dir})
    if(WIN32)
        set_target_properties(CAMGUIDE PROPERTIES WIN32_EXECUTABLE TRUE)
    endif()
endif()
# Multi-config generators would otherwise add a folder per configuration.
foreach(config IN ITEMS Debug Release RelWithDebInfo MinSizeRel)
    string(TOUPPER ${config} config_upper)
    get_target_property(runtime_dir CAMGUIDE RUNTIME_OUTPUT_DIRECTORY)
    set_target_properties(CAMGUIDE PROPERTIES RUNTIME_OUTPUT_DIRECTORY_${config_upper} ${runtime_dir})
endforeach()
set_target_properties(CAMGUIDE PROPERTIES CAMGUIDE_SHIP_DIR ${camguide_ship_dir})
# Where the program is started from.
if(CAMGUIDE_TARGET STREQUAL "macos")
    set_target_properties(CAMGUIDE PROPERTIES CAMGUIDE_RUN_DIR ${CMAKE_BINARY_DIR})
else()
    set_target_properties(CAMGUIDE PROPERTIES CAMGUIDE_RUN_DIR ${camguide_ship_dir})
endif()
