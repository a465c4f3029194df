# The engine tests that run in both trees: natively against tableengine_core, under Wine
# against SDE3032.dll bound by ordinal. engine_test_programs() adds them with the second
# process they start.
set(engine_test_dir ${CMAKE_SOURCE_DIR}/tests/native/engine)
set(engine_shared_test_sources
  ${engine_test_dir}/EngineTestSupport.cpp
  ${engine_test_dir}/MovesAndOrderTest.cpp
  ${engine_test_dir}/SeekAndQueryTest.cpp
  ${engine_test_dir}/FieldValuesTest.cpp
  ${engine_test_dir}/FailureTest.cpp
  ${engine_test_dir}/IndexPersistenceTest.cpp
  ${engine_test_dir}/TagRecoveryTest.cpp
  ${engine_test_dir}/ExclusiveOpenTest.cpp
  ${engine_test_dir}/CorruptionTest.cpp
  ${engine_test_dir}/HeaderCountTest.cpp
  ${engine_test_dir}/RecordBufferTest.cpp)

function(engine_test_programs test_name)
  add_executable(table_holder ${engine_test_dir}/TableHolder.cpp)
  target_link_libraries(table_holder PRIVATE tableengine)
  quillmap_test(${test_name} SOURCES ${engine_shared_test_sources} ${ARGN})
  target_include_directories(${test_name} PRIVATE ${engine_test_dir})
  add_dependencies(${test_name} table_holder)
endfunction()
