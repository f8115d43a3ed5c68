# The Windows build (cross-built with cmake/mingw-w64-x86_64.cmake; scripts/windows drives it).
# The libraries come from the prefix scripts/windows built; Windows' own services (files,
# folders, dialogs, printing) are in src/platform/windows/ and take the place of the Linux files
# listed here.
enable_language(RC)
set(ENV{PKG_CONFIG_LIBDIR} "${KESTROVA_WINDOWS_PREFIX}/lib/pkgconfig")
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2 SDL2_mixer)
# The program's main() stays its own (SDL's stand-in main and its renaming macro are left out),
# and only kestrova.exe is a windowed program: the test program keeps its console.
get_target_property(sdl_options PkgConfig::SDL2 INTERFACE_COMPILE_OPTIONS)
list(REMOVE_ITEM sdl_options "-Dmain=SDL_main")
get_target_property(sdl_libraries PkgConfig::SDL2 INTERFACE_LINK_LIBRARIES)
list(FILTER sdl_libraries EXCLUDE REGEX "SDL2main|^-lmingw32$|^-mwindows$")
get_target_property(sdl_link_options PkgConfig::SDL2 INTERFACE_LINK_OPTIONS)
list(FILTER sdl_link_options EXCLUDE REGEX "^-mwindows$|^-lmingw32$")
set_target_properties(PkgConfig::SDL2 PROPERTIES INTERFACE_COMPILE_OPTIONS "${sdl_options}"
  INTERFACE_LINK_LIBRARIES "${sdl_libraries}" INTERFACE_LINK_OPTIONS "${sdl_link_options}")
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo pangocairo pango libpng)
find_library(GIF_LIB gif REQUIRED)
set(KESTROVA_LINUX_ONLY_SOURCES
  ".*/src/platform/(DesktopDialogs|FontFamilies|FilePaths|FileRead|FileWrite|Folders|KnownFolders|FolderListing|Printer|Process|ProcessFiles)\\.cpp$|.*/src/platform/desktop/(XConnection|FullScreenState)\\.cpp$")
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

# Tests that need what only the Linux build has: the print server (CUPS), the X display,
# POSIX processes, permissions and limits (fork, kill, chmod, setrlimit), the XDG home folders,
# the PDF readers' tools (the progress report's pages are read back with them).
# The Windows services have their own tests (tests/platform/windows).
set(KESTROVA_LINUX_ONLY_TESTS
  ".*/tests/(app/ProgramTest|platform/DesktopInputTest|platform/PrinterTest|profiles/ProfileCrashTest|platform/FileWriterTest|profiles/ProfileSafetyTest|screens/DiplomaPrinterTest|screens/LoginSafetyTest|text/TextFileTest|platform/TraineeLockTest|screens/ProgressReportTest)\\.cpp$")
# M_PI and friends, which the Windows C library gives only on request.
add_compile_definitions(_USE_MATH_DEFINES)
