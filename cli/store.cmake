target_link_libraries(fahuo-cli PRIVATE fahuo_store)
# An empty store beside the programs, so a first start of the window just works; init-store
# leaves an existing file alone.
add_custom_command(TARGET fahuo-cli POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:fahuo-cli> init-store --data-dir $<TARGET_FILE_DIR:fahuo-cli>
  VERBATIM)
