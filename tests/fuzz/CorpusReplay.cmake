# Included from tests/CMakeLists.txt: the fuzz targets' corpora replayed by a
# plain GoogleTest binary, part of every test run.
program_gtest(fuzz_corpus_tests
  ${CMAKE_CURRENT_LIST_DIR}/CorpusReplayTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FuzzDataFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FuzzProfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FuzzCsv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FuzzCloneLink.cpp
)
target_compile_definitions(fuzz_corpus_tests PRIVATE
  PROGRAM_FUZZ_CORPUS_DIR="${CMAKE_CURRENT_LIST_DIR}/corpus")
