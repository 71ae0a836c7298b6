# vorn_debian_source(VARIABLE PACKAGE PROBE): the cache path VARIABLE names
# Debian's source package PACKAGE, unpacked. It is taken from the environment
# variable of the same name, or else unpacked under build/deps by
# scripts/debian-source at configure time; PROBE is a file the folder must hold.
# Third-party sources are never copied into the repository.
function(vorn_debian_source variable package probe)
  set(${variable} "$ENV{${variable}}" CACHE PATH
      "Debian's ${package} source package, unpacked (found by scripts/debian-source when empty)")
  if(EXISTS "${${variable}}/${probe}")
    return()
  endif()
  execute_process(
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/debian-source ${package}
    OUTPUT_VARIABLE folder
    OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT EXISTS "${folder}/${probe}")
    message(FATAL_ERROR "scripts/debian-source cannot unpack Debian's ${package} source package")
  endif()
  set_property(CACHE ${variable} PROPERTY VALUE ${folder})
endfunction()
