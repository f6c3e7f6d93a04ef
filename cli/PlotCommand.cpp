// scafometro-cli plot: the graph of a weight file as a PNG, SVG or PDF picture, drawn headless by
// the view's drawing pass with the automatic fit; the pictures of scafometro-cli strength and
// hydrostatics, and the report of scafometro-cli check.
#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/WeightFile.h"
#include "document/FileException.h"
#include "model/LoadList.h"
#include "model/StrengthResult.h"
#include "platform/CheckReport.h"
#include "platform/GraphPicture.h"
#include "platform/QtSurface.h"

namespace
{
// Qt's offscreen platform looks for a runtime directory that batch runs often lack; the fallback
// it takes is fine, and its warning would only alarm. Other warnings are passed on.
void PassQtMessage(QtMsgType type, const QMessageLogContext&, const QString& strMessage)
{
    if (type == QtDebugMsg || type == QtInfoMsg || strMessage.startsWith(QStringLiteral("QStandardPaths: ")))
        return;
    std::fprintf(stderr, "scafometro-cli: %s\n", strMessage.toLocal8Bit().constData());
}

struct SPlotOptions
{
    std::string strInput;
    std::string strOutput;
    int nMode = CGraphPass::modeResultant;
    long nLoad = 0;
    int nWidth = 1200;
    int nHeight = 800;
};

bool ParseMode(const std::string& strText, int& nMode)
{
    const char* const names[] = {"resultant", "detailed", "single", "highlight"};
    for (int i = 0; i < 4; ++i)
    {
        if (strText == names[i])
        {
            nMode = i;
            return true;
        }
    }
    return false;
}

// False, with a line on stderr saying what is wrong, for arguments that do not make a plot.
bool ParseArguments(const CArgs& args, SPlotOptions& options)
{
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    if (!SplitArguments(args, {"--mode", "--load", "--size"}, positional, values))
        return false;
    for (const auto& [strOption, strValue] : values)
    {
        if (strOption == "--mode" && !ParseMode(strValue, options.nMode))
            return BadValue(strOption, strValue);
        if (strOption == "--load" && !ParseLong(strValue, 1, 0x7fffffff, options.nLoad))
            return BadValue(strOption, strValue);
        if (strOption == "--size" && !ParseSize(strValue, options.nWidth, options.nHeight))
            return BadValue(strOption, strValue);
    }
    if (positional.size() != 2)
        return false;
    options.strInput = positional[0];
    options.strOutput = positional[1];
    if (CGraphPicture::FormatOf(options.strOutput) == CGraphPicture::formatNone)
        return NotPictureName(options.strOutput);
    return true;
}

// Pictures need no display: without a platform chosen, Qt draws offscreen.
void PrepareQt()
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(PassQtMessage);
}
} // namespace

int RunPlot(const CArgs& args)
{
    SPlotOptions options;
    if (!ParseArguments(args, options))
        return UsageError("plot");

    CLoadList list;
    try
    {
        OpenWeightFile(options.strInput, list);
    }
    catch (const CFileException& error)
    {
        return ReportFailure(error);
    }
    if (options.nLoad > list.m_nCount)
    {
        std::fprintf(stderr, "scafometro-cli: --load %ld: %s holds %d loads\n", options.nLoad,
                     options.strInput.c_str(), list.m_nCount);
        return UsageError("plot");
    }

    PrepareQt();
    int nArgc = 1;
    char szName[] = "scafometro-cli";
    char* argv[] = {szName, nullptr};
    QGuiApplication application(nArgc, argv);

    CGraphPicture picture(list);
    picture.m_nMode = options.nMode;
    picture.m_nSelected = static_cast<int>(options.nLoad);
    picture.m_nWidth = options.nWidth;
    picture.m_nHeight = options.nHeight;
    picture.m_nScreenDpiY = CQtSurface::PrimaryScreenDpiY();
    std::string strError;
    if (!picture.Write(options.strOutput, strError))
    {
        std::fprintf(stderr, "scafometro-cli: %s\n", strError.c_str());
        return 1;
    }
    return 0;
}

namespace
{
// Draws one of the hull's pictures, set on picture by prepare, with Qt started for it.
int WriteHullPicture(const std::string& strPath, int nWidth, int nHeight,
                     const std::function<void(CGraphPicture&)>& prepare)
{
    PrepareQt();
    int nArgc = 1;
    char szName[] = "scafometro-cli";
    char* argv[] = {szName, nullptr};
    QGuiApplication application(nArgc, argv);

    CLoadList list;
    CGraphPicture picture(list);
    prepare(picture);
    picture.m_nWidth = nWidth;
    picture.m_nHeight = nHeight;
    picture.m_nScreenDpiY = CQtSurface::PrimaryScreenDpiY();
    std::string strError;
    if (!picture.Write(strPath, strError))
    {
        std::fprintf(stderr, "scafometro-cli: %s\n", strError.c_str());
        return 1;
    }
    return 0;
}
} // namespace

int WriteStrengthPicture(const CArgs&, const CStrengthResult& result, const std::string& strPath, int nWidth,
                         int nHeight)
{
    return WriteHullPicture(strPath, nWidth, nHeight,
                            [&](CGraphPicture& picture) { picture.m_pStrength = &result; });
}

int WriteCurvesOfFormPicture(const CArgs&, const CCurvesOfForm& curves, const std::string& strPath,
                             int nWidth, int nHeight)
{
    return WriteHullPicture(strPath, nWidth, nHeight,
                            [&](CGraphPicture& picture) { picture.m_pCurves = &curves; });
}

int HandOverBeforeReading(const char*, const CArgs&)
{
    return -1;
}

int WriteCheckReport(const CArgs&, const CLoadingCheck& check, const SCheckInputs& inputs,
                     const std::string& strPath)
{
    PrepareQt();
    int nArgc = 1;
    char szName[] = "scafometro-cli";
    char* argv[] = {szName, nullptr};
    QGuiApplication application(nArgc, argv);

    CCheckReport report(check, inputs);
    report.m_nScreenDpiY = CQtSurface::PrimaryScreenDpiY();
    std::string strError;
    if (!report.Write(strPath, strError))
    {
        std::fprintf(stderr, "scafometro-cli: %s\n", strError.c_str());
        return 1;
    }
    return 0;
}
