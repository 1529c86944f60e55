# The test programs of a cross build for Windows. GoogleTest is built from the Debian
# sources beside the project; every test program is one CTest test, run under the
# cross-compiling emulator (Wine), since its tests cannot be listed at configure time.
#
# Left out: the folders that test the POSIX backend or start programs the POSIX way
# (browser: headless Chromium runs on the host; hostile: whole runs in pipes, pseudo-
# terminals and mount namespaces),
# and, in the other folders and in support/, every file that includes POSIX headers or
# the POSIX backend. tests/win32 is built here only.
set(ZEMLAR_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${ZEMLAR_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

find_program(ZEMLAR_SCRIPT script)
set(ZEMLAR_CROSS_EXCLUDED_TEST_DIRS pty cmd e2e browser hostile fixtures support)
set(ZEMLAR_POSIX_ONLY_SOURCE
    "#include [<\"](unistd|termios|poll|pty|fcntl|signal|spawn|iconv|dirent|sys/[a-z_]+)\\.h[>\"]|#include \"rt/posix/")

# Test helpers whose source or header includes POSIX headers (support/scripted_run.cpp,
# convertcp/iconv_reference.cpp, ...), or the header of such a helper, found until no
# more turn up (support/run_fixture.hpp uses support/scripted_run.hpp): a test file
# including the header of any of them is left out too.
file(GLOB_RECURSE allTestSources ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.hpp)
set(posixOnly "${ZEMLAR_POSIX_ONLY_SOURCE}")
set(posixHelpers)
set(searching TRUE)
while(searching)
  set(searching FALSE)
  foreach(file IN LISTS allTestSources)
    get_filename_component(helper ${file} NAME_WE)
    if(helper IN_LIST posixHelpers)
      continue()
    endif()
    file(STRINGS ${file} posixLines REGEX "${posixOnly}")
    if(posixLines)
      list(APPEND posixHelpers ${helper})
      set(searching TRUE)
    endif()
  endforeach()
  list(JOIN posixHelpers "|" helperNames)
  set(posixOnly "${ZEMLAR_POSIX_ONLY_SOURCE}|#include \"([a-z_]+/)?(${helperNames})\\.hpp\"")
endwhile()
set(ZEMLAR_POSIX_ONLY_SOURCE "${posixOnly}")

# The files of `files` that compile for Windows.
function(zemlar_windows_sources out)
  set(kept)
  foreach(file IN LISTS ARGN)
    file(STRINGS ${file} posixLines REGEX "${ZEMLAR_POSIX_ONLY_SOURCE}")
    if(NOT posixLines)
      list(APPEND kept ${file})
    endif()
  endforeach()
  set(${out} ${kept} PARENT_SCOPE)
endfunction()

# Tests of portable folders that cannot run under Wine, with the reason:
# - the scripted line entry runs its script in a forked child (a death test); on
#   Windows the child is a new process with a temporary folder of its own;
# - Wine has no code page 54936 (IsValidCodePage(54936) is false there), and these
#   conversion tests expect GB18030 unguarded. tests/win32 covers 54936 where the
#   system has it.
set(ZEMLAR_CROSS_SKIPPED_TESTS
    "lineinput:ScriptedLineInputTest.EachBeginTakesOneLineAndPrintsNothing"
    "convertcp:Conversion.CasesAtEveryBlockSize:Conversion.CharacterAcrossTheEdgeOfALargeBlock:Conversion.RoundTripsThroughUtf8")

# Paths compiled into the tests are seen through Wine's drive Z:, the root of the host.
set(ZEMLAR_TEST_FIXTURES "Z:${CMAKE_CURRENT_SOURCE_DIR}/fixtures")
file(GLOB supportSources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/support/*.cpp)
zemlar_windows_sources(ZEMLAR_TEST_SUPPORT ${supportSources})

file(GLOB ZEMLAR_TEST_DIRS LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
foreach(dir IN LISTS ZEMLAR_TEST_DIRS)
  get_filename_component(name ${dir} NAME)
  if(NOT IS_DIRECTORY ${dir} OR name IN_LIST ZEMLAR_CROSS_EXCLUDED_TEST_DIRS)
    continue()
  endif()
  file(GLOB allSources CONFIGURE_DEPENDS ${dir}/*.cpp)
  zemlar_windows_sources(sources ${allSources})
  if(NOT sources)
    continue()
  endif()
  add_executable(test_${name} ${sources} ${ZEMLAR_TEST_SUPPORT})
  target_include_directories(test_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(test_${name} PRIVATE zemlar_stages convertcp_core gtest gmock gtest_main)
  target_compile_definitions(test_${name} PRIVATE
    ZEMLAR_FIXTURES="${ZEMLAR_TEST_FIXTURES}"
    ZEMLAR_EXE_064="$<TARGET_FILE_NAME:zemlar_01_064>"
    ZEMLAR_EXE_063="$<TARGET_FILE_NAME:zemlar_01_063>"
    ZEMLAR_CONVERTCP="$<TARGET_FILE_NAME:convertcp>")
  add_dependencies(test_${name} zemlar_01_064 zemlar_01_063 convertcp)
  set(filter "*")
  foreach(skipped IN LISTS ZEMLAR_CROSS_SKIPPED_TESTS)
    if(skipped MATCHES "^${name}:(.*)$")
      set(filter "*-${CMAKE_MATCH_1}")
    endif()
  endforeach()
  if(name STREQUAL "win32" AND ZEMLAR_SCRIPT AND CMAKE_CROSSCOMPILING_EMULATOR)
    # On a pseudo terminal Wine gives the program a console, so the console tests
    # inject input records and read the screen back instead of skipping.
    add_test(NAME test_${name}
             COMMAND ${ZEMLAR_SCRIPT} -qec "${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE_NAME:test_${name}> --gtest_brief=1" /dev/null
             WORKING_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  else()
    add_test(NAME test_${name} COMMAND test_${name} --gtest_brief=1 --gtest_filter=${filter}
             WORKING_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  endif()
  set_tests_properties(test_${name} PROPERTIES TIMEOUT 300)
endforeach()

# The stand-ins for find, findstr and sort that the scripted run under Wine puts in
# its folder (Wine's own do not behave as the tool checks need).
file(GLOB ZEMLAR_STANDINS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win32/standins/*.cpp)
foreach(src IN LISTS ZEMLAR_STANDINS)
  get_filename_component(tool ${src} NAME_WE)
  add_executable(standin_${tool} ${src})
  set_target_properties(standin_${tool} PROPERTIES OUTPUT_NAME ${tool}
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/standins)
  target_link_libraries(standin_${tool} PRIVATE zemlar_warnings)
endforeach()
