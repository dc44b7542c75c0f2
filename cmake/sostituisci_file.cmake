# Puts a copy of the file DA at A, written under a temporary name beside A and
# renamed over it, and only when the two differ: a program that reads or runs
# A meanwhile sees the old file or the new one, whole.
#   cmake -DDA=file -DA=copy -P sostituisci_file.cmake
if(EXISTS "${A}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${DA}" "${A}"
                  RESULT_VARIABLE diverso OUTPUT_QUIET ERROR_QUIET)
  if(diverso EQUAL 0)
    return()
  endif()
endif()
get_filename_component(cartella "${A}" DIRECTORY)
get_filename_component(nome "${A}" NAME)
file(MAKE_DIRECTORY "${cartella}")
file(COPY_FILE "${DA}" "${cartella}/.${nome}.nuovo")
file(RENAME "${cartella}/.${nome}.nuovo" "${A}")
