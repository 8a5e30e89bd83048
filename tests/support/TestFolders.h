// The folders a test run is given through the environment (tests/CMakeLists.txt
// sets them for every test program), as Windows paths.
#pragma once
#include <string>

namespace testsupport {

// A file of the test data folder (ROKABINA_TEST_DATA), by its relative path.
std::string TestDataPath(const std::string& relative);
// A file of the picture corpus made at build time (ROKABINA_PICTURE_CORPUS).
std::string PictureCorpusPath(const std::string& relative);
// The folder of the built programs (ROKABINA_DIST), with a trailing backslash.
std::string DistFolder();

}  // namespace testsupport
