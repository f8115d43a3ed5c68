# The Windows build (cross-built with cmake/mingw-w64-x86_64.cmake; scripts/windows drives it).
# The libraries come from the prefix scripts/windows built; Windows' own services (files,
# folders, dialogs, printing) are in src/platform/windows/ and take the place of the Linux files
# listed here.
enable_language(RC)
set(ENV{PKG_CONFIG_LIBDIR} "${KESTROVA_WINDOWS_PREFIX}/lib/pkgconfig")
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2 SDL2_mixer)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo pangocairo pango libpng)
find_library(GIF_LIB gif REQUIRED)
set(KESTROVA_LINUX_ONLY_SOURCES
  ".*/src/platform/(Files|FolderListing|Printer)\\.cpp$|.*/src/platform/desktop/(XConnection|FullScreenState)\\.cpp$")
# Windows' own libraries the services call: shell folders and dialogs, COM, GDI printing, timers.
set(KESTROVA_WINDOWS_SYSTEM_LIBS shell32 ole32 uuid comdlg32 gdi32 winspool winmm)
# Everything the program needs is in its own folder: no console, and the C and C++ runtimes
# linked in rather than shipped as further DLLs.
add_link_options(-static-libgcc -static-libstdc++ -Wl,-Bstatic -lwinpthread -Wl,-Bdynamic)

# The program's icon and version resource.
set(KESTROVA_ICO ${CMAKE_BINARY_DIR}/packaging/kestrova.ico)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${KESTROVA_ICO}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/packaging/windows/make-ico.py ${KESTROVA_ICO}
    ${CMAKE_SOURCE_DIR}/packaging/icons/org.kestrova.Kestrova-48.png
    ${CMAKE_SOURCE_DIR}/packaging/icons/org.kestrova.Kestrova-128.png
    ${CMAKE_SOURCE_DIR}/packaging/icons/org.kestrova.Kestrova-256.png
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/windows/make-ico.py)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/kestrova.rc.in ${CMAKE_BINARY_DIR}/packaging/kestrova.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/packaging/kestrova.rc PROPERTIES OBJECT_DEPENDS ${KESTROVA_ICO})
set(KESTROVA_WINDOWS_RESOURCES ${CMAKE_BINARY_DIR}/packaging/kestrova.rc)

# Tests that need what only the Linux build has: the print server (CUPS), the X display, or
# POSIX processes and permissions (fork, kill, chmod). The Windows services have their own.
set(KESTROVA_LINUX_ONLY_TESTS
  ".*/tests/(app/ProgramTest|platform/DesktopInputTest|platform/PrinterTest|profiles/ProfileCrashTest|platform/FileWriterTest|profiles/ProfileSafetyTest|screens/DiplomaPrinterTest)\\.cpp$")
