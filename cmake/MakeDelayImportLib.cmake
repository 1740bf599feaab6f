# cmake -DNM=nm -DDLLTOOL=dlltool -DIMPORT_LIB=libX.a -DDLL=X.dll -DOUT=libX.a -P MakeDelayImportLib.cmake
# Writes a delay-import library for DLL with every function that the
# toolchain's import library IMPORT_LIB offers.
execute_process(COMMAND ${NM} --defined-only ${IMPORT_LIB} OUTPUT_VARIABLE symbols RESULT_VARIABLE rc
                ERROR_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${IMPORT_LIB}")
endif()
string(REGEX MATCHALL " I __imp_[^\n]+" entries "${symbols}")
set(names)
foreach(entry IN LISTS entries)
  string(REPLACE " I __imp_" "" name "${entry}")
  list(APPEND names "${name}")
endforeach()
list(REMOVE_DUPLICATES names)
list(SORT names)
if(NOT names)
  message(FATAL_ERROR "no functions found in ${IMPORT_LIB}")
endif()
list(JOIN names "\n" exports)
get_filename_component(dir ${OUT} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
file(WRITE ${OUT}.def "LIBRARY ${DLL}\nEXPORTS\n${exports}\n")
execute_process(COMMAND ${DLLTOOL} --input-def ${OUT}.def --output-delaylib ${OUT} --dllname ${DLL}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${DLLTOOL} failed for ${DLL}")
endif()
