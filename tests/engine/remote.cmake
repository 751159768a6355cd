fahuo_add_test(test_remote_db SOURCES RemoteDbTest.cpp LIBS fahuo_engine Qt6::Sql Qt6::Network)
fahuo_add_test(test_account_deliveries SOURCES AccountDeliveriesTest.cpp
               LIBS fahuo_engine Qt6::Sql Qt6::Network Qt6::Gui)
