// The file-service contract, run natively on the fake and under Wine on the real backend.
#pragma once

#include <memory>
#include <string>

#include "platform/files.h"

namespace zebo::contract {

struct FilesUnderTest {
  Files* files = nullptr;
  std::string root;  // an empty folder for the test, ending with "\"
};

// Provided by each test program: a fresh, empty folder on the backend it checks.
FilesUnderTest MakeFilesUnderTest();

}  // namespace zebo::contract
