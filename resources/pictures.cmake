# Pictures of the program, drawn at build time by tools/imagegen (no binary
# pictures in git). Include after tools/ has defined the target imagegen.
#
# Sets in the including scope:
#   CAMGUIDE_PICTURES_DIR            ${CMAKE_BINARY_DIR}/pictures
#   CAMGUIDE_COMPILED_PICTURES       absolute paths of the compiled-in pictures
#   CAMGUIDE_COMPILED_PICTURE_NAMES  the same as "images/NAME", same order
#   CAMGUIDE_SHIPPED_PICTURES        absolute paths of the files that ship in "images/"
# Target `pictures` builds them all.
#
# This list is the only list of names: imagegen is told what to write and
# refuses a name it cannot draw; its self-test fails on a drawing not listed here.

set(_camguide_compiled_picture_names
    setupbackground.png
    setupbackground_t.png
    setupbackground_r.png
    setupbackground_b.png
    banner.png
    background.png
    select_bg_00.png
    messagebox_pic.png
    loading00.png
    loading01.png
    loading02.png
    loading03.png
    loading04.png
    loading05.png
    loading06.png
    loading07.png
    nav_blue.png
    nave_grey.png
    btn_start-next_blue.png
    btn_start-next_grey.png
    btn_back_blue.png
    btn_re_blue.png
    btn_yes_blue.png
    btn_close-no_blue.png
    cancel_button_blue.png
    conn_rescan_but.png
    btn_start_light.png
    btn_back_light.png
    btn_rescan_light.png
    small_light_but.png
    done_light.png
    close_light_btu.png
    change_light_btu.png
    arrow_select.png
    bg_select.png
    bg_input.png
    join_edit.png
    bg_IPinput01.png
    bg_IPinput02.png
    bg_IPinput03.png
    icon_help.png
    icon_reg.png
    icon_noreg.png
    icon_wired.png
    icon_wireless.png
    radio_unselect.png
    radio_selected.png
    bg_left.png
    connect_blue_pic.png
    join2_right.png
    localview.png
)

# Exact file names and letter case: the program opens them by these names.
set(_camguide_shipped_picture_names
    product.ico
    product.png
    plug_step1.png
    plug_step2.png
    plug_step3.png
    plug_step4.png
    connect_step1_pic1.png
    connect_step1_pic2.png
    connect_step1_pic3.png
    connect_step2_pic1.png
    connect_step2_pic2.png
    connect_step2_pic3.png
    connect_step2_pic4.png
    restart.PNG
    wps.PNG
    MACID.PNG
)

set(CAMGUIDE_PICTURES_DIR "${CMAKE_BINARY_DIR}/pictures")
set(CAMGUIDE_COMPILED_PICTURES "")
set(CAMGUIDE_COMPILED_PICTURE_NAMES "")
set(CAMGUIDE_SHIPPED_PICTURES "")
set(_camguide_picture_args "")
foreach(_name IN LISTS _camguide_compiled_picture_names)
    list(APPEND CAMGUIDE_COMPILED_PICTURES "${CAMGUIDE_PICTURES_DIR}/compiled/images/${_name}")
    list(APPEND CAMGUIDE_COMPILED_PICTURE_NAMES "images/${_name}")
    list(APPEND _camguide_picture_args "compiled/images/${_name}")
endforeach()
foreach(_name IN LISTS _camguide_shipped_picture_names)
    list(APPEND CAMGUIDE_SHIPPED_PICTURES "${CAMGUIDE_PICTURES_DIR}/shipped/images/${_name}")
    list(APPEND _camguide_picture_args "shipped/images/${_name}")
endforeach()

add_custom_command(
    OUTPUT ${CAMGUIDE_COMPILED_PICTURES} ${CAMGUIDE_SHIPPED_PICTURES}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:imagegen> "${CAMGUIDE_PICTURES_DIR}" ${_camguide_picture_args}
    DEPENDS imagegen
    COMMENT "Drawing the program's pictures"
    VERBATIM
)
add_custom_target(pictures ALL DEPENDS ${CAMGUIDE_COMPILED_PICTURES} ${CAMGUIDE_SHIPPED_PICTURES})

# Checks the drawings against this list, that every file reads back at its size,
# that two runs give the same bytes, and the icon container.
add_test(NAME imagegen_selftest COMMAND imagegen --self-test ${_camguide_picture_args})
set_tests_properties(imagegen_selftest PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

unset(_name)
unset(_camguide_picture_args)
unset(_camguide_compiled_picture_names)
unset(_camguide_shipped_picture_names)
