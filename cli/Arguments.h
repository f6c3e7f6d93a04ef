// Reading the batch commands' option values: whole numbers, decimal numbers, picture names and sizes.
#pragma once

#include <map>
#include <string>
#include <vector>

// Largest side of a picture: larger ones would take gigabytes of memory.
constexpr long kMaxPictureSide = 10000;

// Digits only, within nMin..nMax.
bool ParseLong(const std::string& strText, long nMin, long nMax, long& nValue);
// A finite decimal number, with a point whatever the locale.
bool ParseNumber(const std::string& strText, double& dValue);
// "WxH", each side within 1..kMaxPictureSide.
bool ParseSize(const std::string& strText, int& nWidth, int& nHeight);
// Whether the path names a picture the batch tool draws: .png, .svg or .pdf in any case.
bool IsPictureName(const std::string& strPath);
// The words that are not options, and each option's value. False, with a line on stderr, for an
// option that is not in known, repeated or without its value.
bool SplitArguments(const std::vector<std::string>& args, const std::vector<std::string>& known,
                    std::vector<std::string>& positional, std::map<std::string, std::string>& options);
// Says on stderr that the option's value is bad; returns false.
bool BadValue(const std::string& strOption, const std::string& strValue);
// Says on stderr that the path does not name a picture the batch tool draws; returns false.
bool NotPictureName(const std::string& strPath);
