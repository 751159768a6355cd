# The window system and the drive roots: Win32 on Windows, elsewhere a desktop without windows
# and the mounted volumes.
target_sources(fahuo_platform PRIVATE DriveRootsMounts.cpp)
if(WIN32)
  target_sources(fahuo_platform PRIVATE
    Win32WindowSystem.cpp
    Win32SystemWindowSystem.cpp
    DriveRootsWin32.cpp)
else()
  target_sources(fahuo_platform PRIVATE
    NoWindowSystem.cpp
    DriveRootsLinux.cpp)
endif()
