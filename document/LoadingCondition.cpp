// Reading the files of a loading condition into one load list.
#include "document/LoadingCondition.h"

#include <sys/stat.h>

#include "document/File.h"
#include "model/LoadList.h"

std::vector<std::string> CLoadingCondition::SplitPaths(const std::string& strArgument)
{
    struct stat status;
    if (stat(strArgument.c_str(), &status) == 0 || strArgument.find('+') == std::string::npos)
        return {strArgument};
    std::vector<std::string> paths;
    size_t nStart = 0;
    for (;;)
    {
        const size_t nPlus = strArgument.find('+', nStart);
        paths.push_back(
            strArgument.substr(nStart, nPlus == std::string::npos ? std::string::npos : nPlus - nStart));
        if (nPlus == std::string::npos)
            return paths;
        nStart = nPlus + 1;
    }
}

std::string CLoadingCondition::NameOf(const std::vector<std::string>& paths)
{
    std::string strName;
    for (const std::string& strPath : paths)
    {
        const size_t nSlash = strPath.find_last_of('/');
        std::string strBase = nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
        if (strBase.size() > 4 && strBase.compare(strBase.size() - 4, 4, ".p3d") == 0)
            strBase.resize(strBase.size() - 4);
        strName += (strName.empty() ? "" : "+") + strBase;
    }
    return strName;
}

void CLoadingCondition::Read(const std::vector<std::string>& paths, CLoadList& list)
{
    // The first file is read straight into the list that gathers them, as "Apri" reads it.
    CLoadList all;
    for (size_t i = 0; i < paths.size(); ++i)
    {
        CLoadList part;
        CFile file(paths[i], CFile::modeRead);
        (i == 0 ? all : part).ReadFrom(file);
        file.Close();
        if (i > 0)
            all.InsertAll(part);
    }
    list.TakeLoadsFrom(all);
    list.RebuildAbscissae();
}
