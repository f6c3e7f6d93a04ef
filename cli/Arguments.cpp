// Reading the batch commands' option values.
#include "cli/Arguments.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

bool ParseLong(const std::string& strText, long nMin, long nMax, long& nValue)
{
    if (strText.empty() || strText.find_first_not_of("0123456789") != std::string::npos)
        return false;
    errno = 0;
    char* pEnd = nullptr;
    const long n = std::strtol(strText.c_str(), &pEnd, 10);
    if (errno != 0 || *pEnd != '\0' || n < nMin || n > nMax)
        return false;
    nValue = n;
    return true;
}

bool ParseNumber(const std::string& strText, double& dValue)
{
    // from_chars takes no leading plus and no hexadecimal, and ignores the locale.
    const size_t nSign = strText.size() > 1 && strText[0] == '+' && strText[1] != '-' ? 1 : 0;
    if (strText.empty() || strText.find_first_not_of("0123456789+-.eE") != std::string::npos)
        return false;
    double d = 0;
    const char* pLast = strText.data() + strText.size();
    const std::from_chars_result result = std::from_chars(strText.data() + nSign, pLast, d);
    if (result.ec != std::errc() || result.ptr != pLast || !std::isfinite(d))
        return false;
    dValue = d;
    return true;
}

bool ParseSize(const std::string& strText, int& nWidth, int& nHeight)
{
    const size_t nCross = strText.find('x');
    long nW = 0;
    long nH = 0;
    if (nCross == std::string::npos || !ParseLong(strText.substr(0, nCross), 1, kMaxPictureSide, nW) ||
        !ParseLong(strText.substr(nCross + 1), 1, kMaxPictureSide, nH))
        return false;
    nWidth = static_cast<int>(nW);
    nHeight = static_cast<int>(nH);
    return true;
}

bool IsPictureName(const std::string& strPath)
{
    if (strPath.size() < 4)
        return false;
    std::string strEnd = strPath.substr(strPath.size() - 4);
    std::transform(strEnd.begin(), strEnd.end(), strEnd.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return strEnd == ".png" || strEnd == ".svg" || strEnd == ".pdf";
}

bool SplitArguments(const std::vector<std::string>& args, const std::vector<std::string>& known,
                    std::vector<std::string>& positional, std::map<std::string, std::string>& options)
{
    for (size_t i = 0; i < args.size(); ++i)
    {
        const std::string& strArg = args[i];
        if (strArg.rfind("--", 0) != 0)
        {
            positional.push_back(strArg);
            continue;
        }
        bool bKnown = false;
        for (const std::string& strKnown : known)
            bKnown = bKnown || strKnown == strArg;
        if (!bKnown)
        {
            std::fprintf(stderr, "scafometro-cli: unknown option %s\n", strArg.c_str());
            return false;
        }
        if (i + 1 >= args.size())
        {
            std::fprintf(stderr, "scafometro-cli: %s needs a value\n", strArg.c_str());
            return false;
        }
        if (!options.emplace(strArg, args[++i]).second)
        {
            std::fprintf(stderr, "scafometro-cli: %s given twice\n", strArg.c_str());
            return false;
        }
    }
    return true;
}

bool BadValue(const std::string& strOption, const std::string& strValue)
{
    std::fprintf(stderr, "scafometro-cli: bad value for %s: '%s'\n", strOption.c_str(), strValue.c_str());
    return false;
}

bool NotPictureName(const std::string& strPath)
{
    std::fprintf(stderr, "scafometro-cli: %s: the picture must be named .png, .svg or .pdf\n",
                 strPath.c_str());
    return false;
}
