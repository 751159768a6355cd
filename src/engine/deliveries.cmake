target_sources(fahuo_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Signatures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Deliveries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyDeliveries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AccountDeliveries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MonitorCycle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeliveryEngine.cpp
  # The engine's peers over the program's modules.
  ${CMAKE_CURRENT_LIST_DIR}/TaobaoOrders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChannelsPeers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StoreKeys.cpp
)
target_link_libraries(fahuo_engine PUBLIC fahuo_platform fahuo_store fahuo_channels)
