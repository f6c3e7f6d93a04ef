// A loading condition as files: one estimate, or several taken together (the lightship and the
// deadweight of that condition), written "A.p3d+B.p3d" on a command line.
#pragma once

#include <string>
#include <vector>

class CLoadList;

class CLoadingCondition
{
public:
    // The files of a condition written with "+" between them; a path that exists as written is
    // one file even when it holds a "+".
    static std::vector<std::string> SplitPaths(const std::string& strArgument);
    // The files' base names without ".p3d", joined by "+".
    static std::string NameOf(const std::vector<std::string>& paths);
    // The loads of every file, in order, in list, its abscissae rebuilt; list is left alone when
    // a file cannot be read. Throws CFileException naming that file.
    static void Read(const std::vector<std::string>& paths, CLoadList& list);
};
