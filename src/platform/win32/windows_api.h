// <windows.h> for the Win32 backend, without the A/W name macros that would rename the
// program's own methods (DeleteFile, CopyFile, MessageBox, CreateMutex, ...). The backend calls
// the W functions by their full names.
#pragma once

#include <windows.h>

#undef CopyFile
#undef CreateMutex
#undef DeleteFile
#undef MessageBox
#undef ReplaceFile
#undef Yield
