# A command-line tool beside its window program (`folder` under the data root), so the default
# data root (the folder above) is the same for both. --report lays the report out with Qt:
# only the tools link the report library, and without it they are built without --report.
function(fb_calc_tool name engine folder)
  find_package(nlohmann_json REQUIRED)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE ${engine} fbcli)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${FB_ROOT}/${folder})
  if(TARGET fbreport)
    target_link_libraries(${name} PRIVATE fbreport)
  else()
    target_compile_definitions(${name} PRIVATE FB_NO_REPORT)
  endif()
endfunction()
