// The four operation kinds as the operation page offers them, and the flags each one sets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "package/package.h"

namespace zebo {

extern const char kInstallItem[];
extern const char kInstallAfterBackupItem[];
extern const char kCopyItem[];
extern const char kRemoveAdaptationsItem[];

// The operation list's items in their order; the removal is offered only when some file of the
// package is an adaptation file.
std::vector<std::string> OperationItems(const PackageState& package);

// The item selected when the list is first filled: install after backup.
constexpr int kInitialOperationItem = 1;

// The flags of the kind whose item text is exactly `text`; 0 for any other text.
int32_t OperationFlagsFromText(const std::string& text);

}  // namespace zebo
