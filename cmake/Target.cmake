# Target build: the 32-bit Windows program, its Win32 platform layer and the tests that run
# under Wine.

enable_language(RC)

set(CW_STATIC -static -static-libgcc -static-libstdc++)
# Old systems load only executables whose header asks for subsystem version 4.0.
set(CW_PE_VERSION -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
                  -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
set(CW_WIN32_LIBS wininet comctl32 comdlg32 shfolder shell32 shlwapi ole32 oleaut32 uuid user32 gdi32
                  advapi32 kernel32)

# The Win32 platform layer, the view toolkit and the views; WinMain.cpp and TickCount64.cpp make the executable.
file(GLOB_RECURSE CW_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp src/ui/win32/*.cpp
                  src/app/win32/*.cpp)
list(FILTER CW_WIN32_SOURCES EXCLUDE REGEX "/(WinMain|TickCount64)\\.cpp$")
add_library(clearwell_win32 STATIC ${CW_WIN32_SOURCES})
target_link_libraries(clearwell_win32 PUBLIC clearwell_core ${CW_WIN32_LIBS})
target_compile_options(clearwell_win32 PRIVATE ${CW_WARNINGS})
# The resource IDs sit beside the resource script that uses them.
target_include_directories(clearwell_win32 PRIVATE resources)

file(GLOB CW_RESOURCES CONFIGURE_DEPENDS resources/*.rc)
add_executable(Clearwell WIN32 src/app/win32/WinMain.cpp src/app/win32/TickCount64.cpp
                             ${CW_RESOURCES})
target_link_libraries(Clearwell PRIVATE clearwell_win32)
target_compile_options(Clearwell PRIVATE ${CW_WARNINGS})
target_link_options(Clearwell PRIVATE ${CW_STATIC} ${CW_PE_VERSION})
# The resource script finds its icons and the resource IDs of the views.
target_include_directories(Clearwell PRIVATE resources src)

# The picture of the browser toolbar button ("icon.ico") ships beside Clearwell.exe. It is
# the program's own artwork, drawn by scripts/make-icon.py.
set(CW_BUTTON_ICON ${CMAKE_SOURCE_DIR}/resources/icon.ico)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/icon.ico
                   COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CW_BUTTON_ICON}
                           ${CMAKE_BINARY_DIR}/icon.ico
                   DEPENDS ${CW_BUTTON_ICON})
add_custom_target(button_icon ALL DEPENDS ${CMAKE_BINARY_DIR}/icon.ico)

# The release build (make release) makes only what ships: the program and its installer.
if(CW_RELEASE)
    include(cmake/Installer.cmake)
    return()
endif()

add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Seeding and counting of the traces the demo shows (demo/), shared by the demo's programs
# and the integration tests.
file(GLOB CW_DEMO_SOURCES CONFIGURE_DEPENDS demo/*.cpp)
list(FILTER CW_DEMO_SOURCES EXCLUDE REGEX "/cw[a-z]+\\.cpp$")
add_library(clearwell_demo STATIC ${CW_DEMO_SOURCES})
target_include_directories(clearwell_demo PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(clearwell_demo PUBLIC clearwell_win32)
target_compile_options(clearwell_demo PRIVATE ${CW_WARNINGS})

file(GLOB_RECURSE CW_TARGET_TESTS CONFIGURE_DEPENDS tests/target/*.cpp tests/contract/*.cpp)
add_executable(target_tests ${CW_TARGET_TESTS})
target_compile_options(target_tests PRIVATE ${CW_WARNINGS})
target_include_directories(target_tests PRIVATE tests/target)
target_link_libraries(target_tests PRIVATE clearwell_demo clearwell_win32 clearwell_fakes
                      GTest::gtest_main)
target_link_options(target_tests PRIVATE ${CW_STATIC})
add_test(NAME target_tests COMMAND target_tests)

# The GUI tests: the driver (tests/gui/driver) and the test program gui_tests.exe, which
# starts Clearwell.exe under Wine and drives it from outside. It reaches the local test
# server through the target tests' support code.
file(GLOB CW_GUI_DRIVER CONFIGURE_DEPENDS tests/gui/driver/*.cpp)
add_library(gui_driver STATIC ${CW_GUI_DRIVER} tests/target/support/TestWorld.cpp
                              tests/target/support/Process.cpp)
target_include_directories(gui_driver PUBLIC tests/gui tests/target)
target_link_libraries(gui_driver PUBLIC clearwell_win32)
target_compile_options(gui_driver PRIVATE ${CW_WARNINGS})
file(GLOB CW_GUI_TESTS CONFIGURE_DEPENDS tests/gui/*.cpp)
add_executable(gui_tests ${CW_GUI_TESTS})
target_link_libraries(gui_tests PRIVATE gui_driver clearwell_demo GTest::gtest_main)
target_compile_options(gui_tests PRIVATE ${CW_WARNINGS})
target_link_options(gui_tests PRIVATE ${CW_STATIC})
add_dependencies(gui_tests Clearwell)

# Small Windows programs the tests and the demo start: the tests' helpers, the demo's trace
# tool (cwtraces) and its driver (cwdemo, which runs Clearwell through the GUI driver).
file(GLOB CW_GUI_PROGRAMS CONFIGURE_DEPENDS tests/gui/programs/*.cpp demo/cw*.cpp)
foreach(src ${CW_GUI_PROGRAMS})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE clearwell_demo clearwell_win32)
    if(name STREQUAL "cwdemo")
        target_link_libraries(${name} PRIVATE gui_driver)
        add_dependencies(${name} Clearwell)
    endif()
    target_compile_options(${name} PRIVATE ${CW_WARNINGS})
    target_link_options(${name} PRIVATE ${CW_STATIC})
endforeach()

# Benchmarks (make bench, not tests): Windows programs scripts/run-bench.sh runs under Wine.
file(GLOB CW_BENCH_PROGRAMS CONFIGURE_DEPENDS bench/*.cpp)
foreach(src ${CW_BENCH_PROGRAMS})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE clearwell_win32 clearwell_fakes psapi)
    target_compile_options(${name} PRIVATE ${CW_WARNINGS})
    target_link_options(${name} PRIVATE ${CW_STATIC})
endforeach()

# The installer's tests under Wine, in a prefix of their own (the runner gives every
# *_tests.exe a fresh one): they install, run and remove the program and compare the whole
# registry before and after. They test the release's installer (build/release), which the
# runner puts beside them with the release's Clearwell.exe.
file(GLOB_RECURSE CW_INSTALLER_TESTS CONFIGURE_DEPENDS tests/installer/*.cpp)
add_executable(installer_tests ${CW_INSTALLER_TESTS} tests/target/support/TestWorld.cpp
                               tests/target/support/Snapshot.cpp tests/target/support/Process.cpp)
target_include_directories(installer_tests PRIVATE tests/installer tests/target)
target_compile_definitions(installer_tests
                           PRIVATE CW_SETUP_NAME="Clearwell-${PROJECT_VERSION}-setup.exe")
target_compile_options(installer_tests PRIVATE ${CW_WARNINGS})
target_link_libraries(installer_tests PRIVATE clearwell_win32 clearwell_fakes GTest::gtest_main)
target_link_options(installer_tests PRIVATE ${CW_STATIC})
