// The standard report of a file error, in Italian: which file, and why.
#pragma once

#include <string>

class CFileException;

// "Impossibile completare l'operazione sul file «path».\n<cause>", UTF-8, with the C library's
// common causes said in Italian.
std::string FileErrorText(const CFileException& error);
