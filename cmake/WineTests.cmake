# Windows tests run the 64-bit build under Wine, in one prefix per build folder that a ctest
# fixture makes (the first time only: ~20 s) and whose wineserver it starts and stops. Wine
# tests hold one lock so that they run one at a time.
set(PWK_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(PWK_WINE_ENVIRONMENT "WINEPREFIX=${PWK_WINE_PREFIX}" "WINEDEBUG=-all"
                         "WINEDLLOVERRIDES=mscoree,mshtml=" "PWK_WINE_PROGRAM=${PWK_WINE}")
# Every test starts its Windows programs through start.sh, which makes a start that Wine failed
# before the program ran once more (the script says why); the targets made from here on take it
# as their emulator.
set(PWK_WINE ${PROJECT_SOURCE_DIR}/winharness/wine/start.sh)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PWK_WINE})

function(pwk_wine_fixture)
  set(script ${PROJECT_SOURCE_DIR}/winharness/wine/prefix.sh)
  add_test(NAME wine.prefix.setup COMMAND sh ${script} setup ${PWK_WINE_PREFIX})
  add_test(NAME wine.prefix.cleanup COMMAND sh ${script} cleanup ${PWK_WINE_PREFIX})
  set_tests_properties(wine.prefix.setup PROPERTIES FIXTURES_SETUP wine RESOURCE_LOCK wine
                                                    TIMEOUT 300 LABELS wine)
  set_tests_properties(wine.prefix.cleanup PROPERTIES FIXTURES_CLEANUP wine RESOURCE_LOCK wine
                                                      LABELS wine)
endfunction()

# pwk_wine_test(NAME name COMMAND target-or-program args... [TIMEOUT seconds])
# A target as the command runs under Wine (the toolchain names Wine as the emulator).
function(pwk_wine_test)
  cmake_parse_arguments(ARG "" "NAME;TIMEOUT" "COMMAND" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_COMMAND})
  set_tests_properties(${ARG_NAME} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine
                       ENVIRONMENT "${PWK_WINE_ENVIRONMENT}" TIMEOUT ${ARG_TIMEOUT} LABELS wine)
endfunction()
