// run_directory.h: the folder that holds the executable.
#pragma once

#include "text/text.h"

// The run directory without a trailing backslash; a drive root gives "C:".
Text GetRunDirectory();

// The part of a module path before its last backslash. isLeadByte tells the
// first byte of a double-byte character, whose second byte may be 0x5C.
Text DirectoryOfPath(const char* path, size_t size, bool (*isLeadByte)(unsigned char));
