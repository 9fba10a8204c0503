# What a host developer takes: the two DLLs, the import library and the headers.
install(TARGETS Qerno COMPONENT sdk RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
install(TARGETS QernoRes COMPONENT sdk LIBRARY DESTINATION bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/ DESTINATION include COMPONENT sdk)
