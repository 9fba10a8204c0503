# What a host developer takes: the two DLLs, the import library and the headers.
install(TARGETS Qerno COMPONENT sdk RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
install(TARGETS QernoRes COMPONENT sdk LIBRARY DESTINATION bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/ DESTINATION include COMPONENT sdk)
# The sample gradient-fill plug-ins and the registry file that registers them for a host.
install(TARGETS QernoRadial QernoConical QernoDiamond QernoRectangular COMPONENT sdk
        LIBRARY DESTINATION bin/plugins)
install(FILES ${CMAKE_SOURCE_DIR}/plugins/QernoSamplePlugIns.reg DESTINATION bin/plugins
        COMPONENT sdk)
