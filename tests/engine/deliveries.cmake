fahuo_add_test(test_monitor_cycle SOURCES MonitorCycleTest.cpp LIBS fahuo_engine Qt6::Gui)
fahuo_add_test(test_deliveries SOURCES DeliveriesTest.cpp LIBS fahuo_engine Qt6::Gui)
