// Writing a file of the program so that a failure leaves nothing half written and the old file intact.
#pragma once

#include <functional>
#include <string>

class CFile;

// Opens file on strPath through a temporary file beside a regular target, runs write, and puts the
// result in place. Throws CFileException naming strPath and the cause, the target untouched.
void WriteSafely(const std::string& strPath, CFile& file, const std::function<void()>& write);
