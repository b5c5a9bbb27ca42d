# Data files the core compiles in (included by src/CMakeLists.txt).
lumio_embed(lumio_core MainMsgForm ${PROJECT_SOURCE_DIR}/data/forms/MainMsg.lfm)
