# The browser seam speaks in cookies, so the platform library carries Qt Network; the real
# browser needs QtWebEngine and is built only with the window.
target_link_libraries(fahuo_platform PUBLIC Qt6::Network)
if(FAHUO_GUI)
  add_library(fahuo_platform_browser STATIC ${CMAKE_CURRENT_LIST_DIR}/WebEngineBrowser.cpp)
  target_include_directories(fahuo_platform_browser PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(fahuo_platform_browser PUBLIC fahuo_platform Qt6::WebEngineWidgets)
endif()
