// Writing the output file of a batch command so that a failure leaves nothing half written.
#pragma once

#include <functional>
#include <string>

class CFile;

// Opens file on strPath ("-" for the standard output; through a temporary file beside a regular
// target), runs write, and puts the result in place. On failure prints the file and the cause on stderr and
// returns 1, the target untouched; otherwise returns 0.
int WriteOutputFile(const std::string& strPath, CFile& file, const std::function<void()>& write);
