# The oldest Windows the shipped files load on: Windows 2000 (5.0), the oldest system of the mail
# client's era that COM add-ins of this kind still meet at work; 64-bit Windows began with 5.2.
# Every Windows file of the build is compiled for it (the headers then hide what is newer) and
# linked with it as the OS and subsystem version the loader reads. The lint
# (tools/check-windows-floor.py) checks the result against tools/windows-imports.txt.
set(PWK_WINDOWS_FLOOR_HEX 0x0500)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(PWK_WINDOWS_FLOOR_MAJOR 5)
  set(PWK_WINDOWS_FLOOR_MINOR 2)
else()
  set(PWK_WINDOWS_FLOOR_MAJOR 5)
  set(PWK_WINDOWS_FLOOR_MINOR 0)
endif()
add_compile_definitions(_WIN32_WINNT=${PWK_WINDOWS_FLOOR_HEX} WINVER=${PWK_WINDOWS_FLOOR_HEX})
add_link_options(
  -Wl,--major-os-version=${PWK_WINDOWS_FLOOR_MAJOR},--minor-os-version=${PWK_WINDOWS_FLOOR_MINOR}
  -Wl,--major-subsystem-version=${PWK_WINDOWS_FLOOR_MAJOR},--minor-subsystem-version=${PWK_WINDOWS_FLOOR_MINOR})
