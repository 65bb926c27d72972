# Each folder's library linked whole into a small program with only the libraries below
# it: a call up the order (a method of Tav defined higher, a handler of the shell) leaves a
# symbol undefined and the link fails. The test "liens" builds these programs.
set(tavirel_liens "")
foreach(dossier platform base_noyau base stats grid image measure colour statwin app)
  add_executable(liens_${dossier} EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tests/liens/programme.cpp)
  set_target_properties(liens_${dossier} PROPERTIES AUTOMOC OFF)
  target_link_libraries(liens_${dossier} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,tav_${dossier}>")
  list(APPEND tavirel_liens liens_${dossier})
endforeach()
add_custom_target(liens DEPENDS ${tavirel_liens})
add_test(NAME liens COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target liens)
set_tests_properties(liens PROPERTIES TIMEOUT 600)
