# The page commands (parse-orders, parse-onsale) use the Taobao readers.
target_link_libraries(fahuo-cli PRIVATE fahuo_taobao)
