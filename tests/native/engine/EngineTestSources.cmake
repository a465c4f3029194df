# The engine tests that run in both trees: natively against tableengine_core, under Wine
# against SDE3032.dll bound by ordinal.
set(engine_test_dir ${CMAKE_SOURCE_DIR}/tests/native/engine)
set(engine_shared_test_sources
  ${engine_test_dir}/EngineTestSupport.cpp
  ${engine_test_dir}/MovesAndOrderTest.cpp
  ${engine_test_dir}/SeekAndQueryTest.cpp
  ${engine_test_dir}/FieldValuesTest.cpp
  ${engine_test_dir}/FailureTest.cpp)
