fahuo_add_test(test_cli_store SOURCES StoreCommandsTest.cpp LIBS Qt6::Sql DEPENDS fahuo-cli)
