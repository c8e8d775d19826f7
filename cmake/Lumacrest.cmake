# Shared compile settings for our own targets.
function(lumacrest_target_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(LUMACREST_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_BYTEARRAY QT_DEPRECATED_WARNINGS)
endfunction()

if(LUMACREST_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# One static library per layer folder: every .cpp/.h/.ui/.qrc in the folder
# (and its sub-folders) belongs to it.
function(lumacrest_layer_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c
    ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.ui
    ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  set(compiled ${sources})
  list(FILTER compiled INCLUDE REGEX "\\.(cpp|c)$")
  if(NOT compiled)
    # No code yet: an interface library keeps the layer chain linkable.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  lumacrest_target_settings(${name})
endfunction()
