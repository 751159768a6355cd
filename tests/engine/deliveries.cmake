fahuo_add_test(test_monitor_cycle SOURCES MonitorCycleTest.cpp LIBS fahuo_engine Qt6::Gui)
fahuo_add_test(test_deliveries SOURCES DeliveriesTest.cpp LIBS fahuo_engine Qt6::Gui)
fahuo_add_test(test_end_to_end SOURCES EndToEndTest.cpp
  LIBS fahuo_engine fahuo_scripted_windows Qt6::Sql Qt6::Network Qt6::Gui
  DEPENDS taobao-sim TIMEOUT 240)
