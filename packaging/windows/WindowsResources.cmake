# SPDX-License-Identifier: GPL-3.0-or-later
# Gives a Windows executable the project's icon and version information.
function(torvak_add_windows_resources target description)
  if(NOT WIN32)
    return()
  endif()
  set(TORVAK_WINDOWS_ICON "${PROJECT_SOURCE_DIR}/packaging/windows/torvak-utilities.ico")
  set(TORVAK_WINDOWS_NAME "${target}")
  set(TORVAK_WINDOWS_DESCRIPTION "${description}")
  set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
  configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/torvak-utilities.rc.in" "${rc}" @ONLY)
  target_sources(${target} PRIVATE "${rc}")
endfunction()
