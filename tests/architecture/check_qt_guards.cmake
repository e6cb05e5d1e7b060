# Fails when an object of the program is compiled without one of Qt's guards
# (see AdminUtility/CMakeLists.txt): a target that drops them, or one added
# outside the folder that sets them.
# Usage: cmake -DCOMMANDS=<compile_commands.json> -P check_qt_guards.cmake

cmake_minimum_required(VERSION 3.16)

set(GUARDS QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_DISABLE_DEPRECATED_BEFORE=0x050F00
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

file(STRINGS ${COMMANDS} _commands REGEX "^[ \t]*\"command\":")
set(_checked 0)
set(_missing)
foreach(_command IN LISTS _commands)
  # The program's objects are the ones built below AdminUtility/ of the build tree.
  if(NOT _command MATCHES " -o (AdminUtility/[^ ]+)")
    continue()
  endif()
  set(_object ${CMAKE_MATCH_1})
  math(EXPR _checked "${_checked} + 1")
  foreach(_guard ${GUARDS})
    if(NOT _command MATCHES " -D${_guard}( |$)")
      list(APPEND _missing "${_object}: ${_guard}")
    endif()
  endforeach()
endforeach()

if(_checked EQUAL 0)
  message(FATAL_ERROR "No object of the program in ${COMMANDS}")
endif()
if(_missing)
  list(JOIN _missing "\n  " _text)
  message(FATAL_ERROR "Compiled without Qt's guards:\n  ${_text}")
endif()
message(STATUS "${_checked} objects carry Qt's guards")
