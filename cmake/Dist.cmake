# What a host developer takes: the two DLLs, the import library and the headers.
install(TARGETS Qerno COMPONENT sdk RUNTIME DESTINATION bin ARCHIVE DESTINATION lib)
install(TARGETS QernoRes COMPONENT sdk LIBRARY DESTINATION bin)
# The presentation player, a host of the library, beside it.
install(TARGETS QernoShow COMPONENT sdk RUNTIME DESTINATION bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/ DESTINATION include COMPONENT sdk)
# The sample gradient-fill plug-ins and the registry file that registers them for a host.
install(TARGETS QernoRadial QernoConical QernoDiamond QernoRectangular COMPONENT sdk
        LIBRARY DESTINATION bin/plugins)
install(FILES ${CMAKE_SOURCE_DIR}/plugins/QernoSamplePlugIns.reg DESTINATION bin/plugins
        COMPONENT sdk)
# The CMake package: find_package(Qerno CONFIG) in a host project gives Qerno::Qerno. Its
# version file knows the bitness, so a host never links the other build.
math(EXPR QERNO_PACKAGE_BITS "${CMAKE_SIZEOF_VOID_P} * 8")
configure_file(${CMAKE_SOURCE_DIR}/cmake/QernoConfigVersion.cmake.in
               ${CMAKE_BINARY_DIR}/QernoConfigVersion.cmake @ONLY)
# The toolchain file of this build goes with it, so a host compiles for the same bitness.
install(FILES ${CMAKE_SOURCE_DIR}/cmake/QernoConfig.cmake
              ${CMAKE_BINARY_DIR}/QernoConfigVersion.cmake
              ${CMAKE_SOURCE_DIR}/cmake/toolchain-${QERNO_MINGW_TRIPLE}.cmake
        DESTINATION lib/cmake/Qerno COMPONENT sdk)
# Last: the binaries installed above ship stripped, their symbols in files beside them.
install(CODE "set(QERNO_OBJCOPY ${QERNO_MINGW_TRIPLE}-objcopy)\nset(QERNO_OBJDUMP ${QERNO_OBJDUMP})"
        COMPONENT sdk)
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/StripSdk.cmake COMPONENT sdk)
