# One library per part of the system. Each part's folder lists no files: every .cpp and .h in it
# belongs to the library, so parts built side by side never touch a shared list. A part whose
# folders hold no source yet is simply not built.
function(morvane_part name)
  cmake_parse_arguments(P "" "" "DIRS;LINKS" ${ARGN})
  set(sources)
  set(resources)
  foreach(dir IN LISTS P_DIRS)
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    list(APPEND sources ${found})
    file(GLOB found CONFIGURE_DEPENDS ${dir}/images/*.qrc)
    list(APPEND resources ${found})
  endforeach()
  if(NOT sources)
    return()
  endif()
  set(links)
  foreach(lib IN LISTS P_LINKS)
    if(TARGET ${lib} OR lib MATCHES "::")
      list(APPEND links ${lib})
    endif()
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${links})
  # The part's pictures (images/*.qrc) go straight into every program linking the part: inside the
  # static library nothing would refer to them and the linker would drop them.
  if(resources)
    qt_add_resources(compiled ${resources})
    add_library(${name}_resources OBJECT ${compiled})
    target_link_libraries(${name}_resources PRIVATE Qt6::Core)
    target_link_libraries(${name} INTERFACE $<TARGET_OBJECTS:${name}_resources>)
  endif()
endfunction()

# A test program of one part: every .cpp in the calling folder, linked with GoogleTest, the shared
# test support (a main that runs headless with scripted dialogs) and the part.
function(morvane_tests name)
  cmake_parse_arguments(T "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_LINKS} testsupport)
  target_compile_definitions(${name} PRIVATE
    TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    TEST_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60
    DISCOVERY_MODE PRE_TEST)
endfunction()
