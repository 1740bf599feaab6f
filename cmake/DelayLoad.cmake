# Delay-loaded system DLLs for one executable.
#
#   qv_delay_load(TARGET dll...)
#
# Under Wine every DLL an executable imports is loaded and initialised before
# its first line runs, and some cost tens of milliseconds (comctl32 registers
# its window classes, ole32 and shell32 pull in several more). For each named
# DLL this writes a delay-import library that loads the DLL on the first call
# of one of its functions, and puts it in a folder that TARGET searches before
# the toolchain's own, so that every -l<dll> of TARGET's link line (also those
# of the static libraries it links) takes the delay-import library.
function(qv_delay_load target)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_delayload)
  set(outputs)
  foreach(dll IN LISTS ARGN)
    find_library(QV_IMPORT_LIB_${dll} NAMES ${dll} REQUIRED NO_CACHE)
    set(out ${dir}/lib${dll}.a)
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${CMAKE_DLLTOOL} -DIMPORT_LIB=${QV_IMPORT_LIB_${dll}}
              -DDLL=${dll}.dll -DOUT=${out} -P ${PROJECT_SOURCE_DIR}/cmake/MakeDelayImportLib.cmake
      DEPENDS ${PROJECT_SOURCE_DIR}/cmake/MakeDelayImportLib.cmake
      COMMENT "Writing the delay-import library of ${dll}.dll")
    list(APPEND outputs ${out})
  endforeach()
  add_custom_target(${target}_delayload DEPENDS ${outputs})
  add_dependencies(${target} ${target}_delayload)
  target_link_directories(${target} BEFORE PRIVATE ${dir})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${outputs})
endfunction()
