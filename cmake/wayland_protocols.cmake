# Client glue for Wayland protocols, generated with wayland-scanner: the
# stable and staging ones from the wayland-protocols package, and the wlroots
# ones (layer-shell, virtual pointer) from Debian's wlroots source package,
# which no Debian 12 binary package ships. That source is unpacked under
# build/deps at configure time and never copied into the repository.
enable_language(C)
pkg_check_modules(WAYLAND_SCANNER REQUIRED wayland-scanner)
pkg_get_variable(wayland_scanner wayland-scanner wayland_scanner)
pkg_get_variable(wayland_protocols_dir wayland-protocols pkgdatadir)
include(${PROJECT_SOURCE_DIR}/cmake/debian_source.cmake)
vorn_debian_source(VORN_WLROOTS_SOURCE wlroots protocol/wlr-layer-shell-unstable-v1.xml)
set(vorn_wlroots_protocols ${VORN_WLROOTS_SOURCE}/protocol)
set(vorn_wayland_protocols ${wayland_protocols_dir})

# A static library TARGET with the glue code of the protocol file XML and its
# client header, included as "NAME.h".
function(vorn_wayland_protocol target name xml)
  set(header ${CMAKE_CURRENT_BINARY_DIR}/${name}.h)
  set(code ${CMAKE_CURRENT_BINARY_DIR}/${name}.c)
  add_custom_command(
    OUTPUT ${header} ${code}
    COMMAND ${wayland_scanner} client-header ${xml} ${header}
    COMMAND ${wayland_scanner} private-code ${xml} ${code}
    DEPENDS ${xml}
    COMMENT "Generating the client glue of ${name}"
    VERBATIM)
  add_library(${target} STATIC ${code} ${header})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_BINARY_DIR})
  target_link_libraries(${target} PUBLIC PkgConfig::WAYLAND_CLIENT)
endfunction()
