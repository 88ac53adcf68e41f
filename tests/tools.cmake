# Tests of the tools and of installing: the launcher, the Debian package, the manual, the data
# checker and the benchmark. Included by the CMakeLists.txt beside this file.

# The city map tool's graph is checked by a unit test (unit/city_map_dot_test.cpp).
target_link_libraries(unit_tests PRIVATE quillmore_tools)

# docs/map.dot, from which docs/map.svg is drawn, is what the map tool prints today.
add_test(NAME map/committed-graph-is-current
  COMMAND bash -c "$<TARGET_FILE:quillmore-map> | diff -u ${CMAKE_SOURCE_DIR}/docs/map.dot -")
# docs/story.dot, from which docs/story.svg is drawn, is the story's table as it is today, with
# the errands the shortest win of the shipped data skips (which takes a search).
add_test(NAME map/committed-story-is-current
  COMMAND bash -c "$<TARGET_FILE:quillmore-map> --story ${CMAKE_SOURCE_DIR}/data | diff -u ${CMAKE_SOURCE_DIR}/docs/story.dot -")
set_tests_properties(map/committed-story-is-current PROPERTIES LABELS search)
# Given a folder, the map tool draws that folder's map and errand chain (tests/map-of-a-folder).
add_test(NAME map/draws-the-folders-own-story
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/map-of-a-folder $<TARGET_FILE:quillmore-map>
          ${CMAKE_SOURCE_DIR}/data)
# The chart of a folder's story marks the errands its shortest win skips (tests/map-marks-skipped-errands).
add_test(NAME map/chart-marks-the-errands-the-shortest-win-skips
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/map-marks-skipped-errands $<TARGET_FILE:quillmore-map>
          ${CMAKE_SOURCE_DIR}/examples/gullhaven)
# As dot lays docs/map.dot out for the picture, no line crosses another place's box and every
# exit points its way (tools/map/check-layout). Skipped without Graphviz.
add_test(NAME map/committed-graph-lays-out-cleanly
  COMMAND ${CMAKE_SOURCE_DIR}/tools/map/check-layout ${CMAKE_SOURCE_DIR}/docs/map.dot)
set_tests_properties(map/committed-graph-lays-out-cleanly PROPERTIES SKIP_RETURN_CODE 77)

# --help, --version and unknown options of the game, the checker and the map tool.
foreach(tool quillmore quillmore-check quillmore-map)
  add_test(NAME options/${tool}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tool-options $<TARGET_FILE:${tool}> ${tool}
            ${PROJECT_VERSION} ${CMAKE_SOURCE_DIR}/data)
endforeach()

add_test(NAME install/launcher-plays-from-any-folder
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install/play-installed ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})

foreach(page quillmore.6 quillmore-check.1 quillmore-map.1 quillmore-story.5)
  add_test(NAME manual/${page}-renders-without-warnings
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/manual/render ${CMAKE_SOURCE_DIR}/docs/${page})
  set_tests_properties(manual/${page}-renders-without-warnings PROPERTIES SKIP_RETURN_CODE 77)
endforeach()

# Data checker cases: each folder under check/ breaks a copy of the shipped data.
file(GLOB CHECK_CASES CONFIGURE_DEPENDS LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/check/*)
foreach(case ${CHECK_CASES})
  if(IS_DIRECTORY ${case})
    get_filename_component(name ${case} NAME)
    add_test(NAME check/${name}
      COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check/run_check $<TARGET_FILE:quillmore-check> ${case}
              ${CMAKE_SOURCE_DIR}/data $<TARGET_FILE:quillmore>)
    set(arguments "")
    if(EXISTS ${case}/arguments)
      file(READ ${case}/arguments arguments)
    endif()
    # The searches take long unoptimised and under the sanitizers: there, two small ones stand
    # for them all (run-all and coverage leave out the label).
    if(NOT arguments MATCHES "--no-search" AND NOT name MATCHES "^errand-")
      set_tests_properties(check/${name} PROPERTIES LABELS search)
    endif()
  endif()
endforeach()
# The checker's walkthroughs win on the data sets the tests share; the broken copies above play
# theirs, the shipped data's among them. Those sets put the whole cast in a room or two, which
# makes many states; the shortest win is found well within the limit.
file(GLOB DATA_SETS CONFIGURE_DEPENDS LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/data/*)
foreach(set ${DATA_SETS})
  get_filename_component(name ${set} NAME)
  add_test(NAME walkthrough/${name}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check/walkthrough-wins $<TARGET_FILE:quillmore-check>
            $<TARGET_FILE:quillmore> ${set} --max-states 50000)
  set_tests_properties(walkthrough/${name} PROPERTIES LABELS search)
endforeach()

# The example story is sound, and the checker's walkthroughs win it in its own folder.
add_test(NAME example/gullhaven
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check/example-story-wins $<TARGET_FILE:quillmore-check>
          $<TARGET_FILE:quillmore> ${CMAKE_SOURCE_DIR}/examples/gullhaven)

# The package and the benchmark measure a plain build: the sanitizers' runtime would be packaged,
# and Valgrind cannot run beside it.
if(NOT QUILLMORE_SANITIZE)
  add_test(NAME install/debian-package
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install/debian-package ${CMAKE_BINARY_DIR})
  set_tests_properties(install/debian-package PROPERTIES SKIP_RETURN_CODE 77)
  add_test(NAME install/lintian-finds-nothing
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install/lintian ${CMAKE_BINARY_DIR})
  set_tests_properties(install/lintian-finds-nothing PROPERTIES SKIP_RETURN_CODE 77)
  add_test(NAME bench/runs-with-tiny-sizes
    COMMAND ${CMAKE_SOURCE_DIR}/tools/bench/run --build ${CMAKE_BINARY_DIR} --quick)
  # The coverage build leaves these out (ctest -LE plain-build): its binaries are instrumented.
  set_tests_properties(install/debian-package install/lintian-finds-nothing
    bench/runs-with-tiny-sizes PROPERTIES LABELS plain-build)
  # The slowest tests start first, so that a parallel run does not end waiting on one of them.
  set_tests_properties(install/lintian-finds-nothing PROPERTIES COST 80)
  set_tests_properties(install/debian-package bench/runs-with-tiny-sizes PROPERTIES COST 40)
endif()
