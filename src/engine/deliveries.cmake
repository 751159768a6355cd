target_sources(fahuo_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Signatures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Deliveries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyDeliveries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AccountDeliveries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MonitorCycle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeliveryEngine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TaobaoOrders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChannelsPeers.cpp
)
# The engine's peers over the program's modules (StoreKeys joins when the store library does).
target_link_libraries(fahuo_engine PUBLIC fahuo_platform fahuo_channels)
# The MySQL link belongs to the store library; until that library exists it is built here.
if(TARGET fahuo_store)
  target_link_libraries(fahuo_engine PUBLIC fahuo_store)
else()
  find_package(Qt6 REQUIRED COMPONENTS Sql)
  target_sources(fahuo_engine PRIVATE ${PROJECT_SOURCE_DIR}/src/store/RemoteDb.cpp)
  target_link_libraries(fahuo_engine PUBLIC Qt6::Sql)
endif()
