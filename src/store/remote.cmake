# The link to the seller's MySQL server joins the store library.
target_sources(fahuo_store PRIVATE ${CMAKE_CURRENT_LIST_DIR}/RemoteDb.cpp)
find_package(Qt6 REQUIRED COMPONENTS Sql)
target_link_libraries(fahuo_store PUBLIC Qt6::Sql fahuo_platform fahuo_text)
