# `cmake --install`: the shared library (libvelrtf.so.MAJOR, or velrtf.dll with velrtf.def and both import
# libraries), velrtf.h, the opt-in windows.h for Windows-style hosts in a folder of its own (include/velrtf/posix,
# never on an include path by itself), the CMake package (find_package(velrtf CONFIG): velrtf::velrtf and
# velrtf::windows_h) and velrtf.pc for pkg-config. Both packages are relocatable: the installed tree can move.
include(CMakePackageConfigHelpers)

install(TARGETS velrtf velrtf_windows_h EXPORT velrtfTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES include/velrtf.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
if(WIN32)
  if(MINGW)
    install(FILES $<TARGET_FILE_DIR:velrtf>/velrtf.def $<TARGET_FILE_DIR:velrtf>/velrtf.lib
            DESTINATION ${CMAKE_INSTALL_LIBDIR})
  endif()
else()
  install(FILES include/posix/windows.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/velrtf/posix)
endif()

set(VELRTF_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/velrtf)
install(EXPORT velrtfTargets NAMESPACE velrtf:: FILE velrtfConfig.cmake DESTINATION ${VELRTF_CMAKE_DIR})
write_basic_package_version_file(velrtfConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/velrtfConfigVersion.cmake DESTINATION ${VELRTF_CMAKE_DIR})

# velrtf.pc finds the prefix from its own place (pkg-config's ${pcfiledir}).
file(RELATIVE_PATH VELRTF_PC_PREFIX /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
configure_file(cmake/velrtf.pc.in velrtf.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/velrtf.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
