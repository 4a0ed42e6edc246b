# A window program: its library (shared with the window tests), the program in its folder of
# the runnable data root with a .desktop file and icon there, and the tool that renders the
# window to a picture. The library holds every source of the folder but main.cpp and
# screenshot.cpp.
#   fb_window_program(<program> <folder> <library> <engine> <resource name>)
function(fb_window_program program folder library engine resource)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  list(REMOVE_ITEM sources ${dir}/main.cpp ${dir}/screenshot.cpp)
  add_library(${library} STATIC ${sources} ${PROJECT_SOURCE_DIR}/resources/${resource}.qrc)
  target_link_libraries(${library} PUBLIC fbui ${engine})

  add_executable(${program} ${dir}/main.cpp)
  target_link_libraries(${program} PRIVATE ${library})
  set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${FB_ROOT}/${folder})
  add_dependencies(${program} fb-data-root)
  # The compiled translations beside the program, where it looks for them.
  add_custom_target(${program}-translations ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${FB_QM_FILES} ${FB_ROOT}/${folder})
  add_dependencies(${program}-translations fbui_lrelease)
  add_dependencies(${program} ${program}-translations)

  add_executable(${resource}-screenshot ${dir}/screenshot.cpp)
  target_link_libraries(${resource}-screenshot PRIVATE ${library})
  # It draws from the data root with the translations as the program finds them.
  add_dependencies(${resource}-screenshot fb-data-root ${program}-translations)

  # The desktop file starts the program in its own folder, where its help file fixes the data root.
  set(FB_DESKTOP_FOLDER ${FB_ROOT}/${folder})
  configure_file(${dir}/${resource}.desktop.in ${FB_ROOT}/${folder}/${resource}.desktop @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/resources/${resource}/icon.svg ${FB_ROOT}/${folder}/${resource}.svg COPYONLY)
  set(installed "\${CMAKE_INSTALL_PREFIX}/${FB_INSTALL_ROOT}/${folder}")
  install(CODE "
    set(FB_DESKTOP_FOLDER \"${installed}\")
    configure_file(\"${dir}/${resource}.desktop.in\"
                   \"\$ENV{DESTDIR}${installed}/${resource}.desktop\" @ONLY)
  ")
endfunction()

# A program folder: its engine library from the given source patterns (linked to fbcommon),
# then its command-line tool and its window when their folders exist.
function(fb_program_folder engine)
  file(GLOB sources CONFIGURE_DEPENDS ${ARGN})
  if(sources)
    add_library(${engine} STATIC ${sources})
    target_link_libraries(${engine} PUBLIC fbcommon)
  endif()
  fb_add_parts(${CMAKE_CURRENT_SOURCE_DIR}/cli ${CMAKE_CURRENT_SOURCE_DIR}/ui)
endfunction()

# Adds each folder holding a CMakeLists.txt; a "ui" folder only when the windows are built.
macro(fb_add_parts)
  foreach(part ${ARGN})
    get_filename_component(leaf ${part} NAME)
    if(EXISTS ${part}/CMakeLists.txt AND (FB_BUILD_GUI OR NOT leaf STREQUAL "ui"))
      add_subdirectory(${part})
    endif()
  endforeach()
endmacro()

# The window tests' *Screens* cases again on a 1366x768 screen at 100 % and on a 1920x1080
# screen at scale factors 1.5 and 2 (the offscreen platform's screen from a JSON file).
function(fb_screen_tests target)
  set(screens ${PROJECT_SOURCE_DIR}/tests/support/screens)
  foreach(setting "1366x768;1" "1920x1080;1.5" "1920x1080;2")
    list(GET setting 0 size)
    list(GET setting 1 scale)
    add_test(NAME ${target}_screens_${size}_${scale} COMMAND ${target} --gtest_filter=Screens*)
    set_tests_properties(${target}_screens_${size}_${scale} PROPERTIES TIMEOUT 300 ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen:configfile=${screens}/screen${size}.json;QT_SCALE_FACTOR=${scale}")
  endforeach()
endfunction()

# A window test program: GoogleTest with one QApplication on the offscreen platform, its
# sources the arguments after the library it tests, run again on the screens above.
function(fb_window_tests target library)
  find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
  add_executable(${target} ${ARGN})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${library} Qt6::Test GTest::gtest)
  target_compile_definitions(${target} PRIVATE FB_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    FB_QM_FOLDER="${CMAKE_BINARY_DIR}/common/ui/qm")
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
    DISCOVERY_MODE PRE_TEST
    PROPERTIES TIMEOUT 600 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  fb_screen_tests(${target})
endfunction()
