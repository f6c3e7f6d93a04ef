// The DXF entities, each built in one piece and handed to the file in one write.
#include "document/DxfFile.h"

#include <charconv>
#include <cmath>

#include "model/NumberFormat.h"
#include "view/Vector3.h"

namespace
{
void AppendPair(std::string& strOut, const char* pszCode, const std::string& strValue)
{
    strOut += pszCode;
    strOut += "\r\n";
    strOut += strValue;
    strOut += "\r\n";
}

// "%.8f" as printf gives it in the "C" locale. std::to_chars is defined to give exactly that and
// is several times faster than printf, which matters in drawings of a million numbers; what it
// does not write (not a number, infinities) goes through the formatted output itself.
std::string Coordinate(double dValue)
{
    if (std::isfinite(dValue) && std::fabs(dValue) < 1e300)
    {
        char buffer[400];
        const std::to_chars_result result =
            std::to_chars(buffer, buffer + sizeof buffer, dValue, std::chars_format::fixed, 8);
        if (result.ec == std::errc())
            return std::string(buffer, result.ptr);
    }
    return CNumberFormat::Format("%.8f", dValue);
}

void AppendEnds(std::string& strOut, const CVector3& start, const CVector3& end)
{
    AppendPair(strOut, "  10", Coordinate(start.GetX()));
    AppendPair(strOut, "  20", Coordinate(start.GetY()));
    AppendPair(strOut, "  30", Coordinate(start.GetZ()));
    AppendPair(strOut, "  11", Coordinate(end.GetX()));
    AppendPair(strOut, "  21", Coordinate(end.GetY()));
    AppendPair(strOut, "  31", Coordinate(end.GetZ()));
}

// A value is one DXF line: a line break inside it would end the value early and turn the rest
// of the text into group codes, so the drawing would no longer parse.
std::string OneLine(std::string strText)
{
    for (char& ch : strText)
    {
        if (ch == '\r' || ch == '\n')
            ch = ' ';
    }
    return strText;
}
} // namespace

void CDxfFile::WriteHeader()
{
    SetLength(0);
    SeekToBegin();
    Write(std::string("  0\r\nSECTION\r\n  2\r\nENTITIES\r\n"));
}

void CDxfFile::WriteFooter()
{
    Write(std::string("  0\r\nENDSEC\r\n  0\r\nEOF"));
    Flush();
}

void CDxfFile::WriteLine(const CVector3& start, const CVector3& end)
{
    std::string strOut;
    AppendLine(strOut, start, end);
    Write(strOut);
}

void CDxfFile::WriteLine(const CVector3& start, const CVector3& end, int nColour)
{
    std::string strOut;
    AppendLine(strOut, start, end, nColour);
    Write(strOut);
}

void CDxfFile::WriteText(const std::string& strText, const CVector3& insertion, double dHeight, int nColour)
{
    std::string strOut;
    AppendText(strOut, strText, insertion, dHeight, nColour);
    Write(strOut);
}

void CDxfFile::AppendLine(std::string& strOut, const CVector3& start, const CVector3& end)
{
    strOut += "  0\r\nLINE\r\n  8\r\nDEFAULT\r\n";
    AppendEnds(strOut, start, end);
}

void CDxfFile::AppendLine(std::string& strOut, const CVector3& start, const CVector3& end, int nColour)
{
    strOut += "  0\r\nLINE\r\n  8\r\nDEFAULT\r\n";
    AppendPair(strOut, "  62", CNumberFormat::Format("%i", nColour));
    AppendEnds(strOut, start, end);
}

void CDxfFile::AppendText(std::string& strOut, const std::string& strText, const CVector3& insertion,
                          double dHeight, int nColour)
{
    strOut += " 0\r\nTEXT\r\n 8\r\nDEFAULT\r\n 6\r\nCONTINUOUS\r\n";
    AppendPair(strOut, "  62", CNumberFormat::Format("%i", nColour));
    AppendPair(strOut, "100", "AcDbText");
    AppendPair(strOut, " 10", Coordinate(insertion.GetX()));
    AppendPair(strOut, " 20", Coordinate(insertion.GetY()));
    AppendPair(strOut, " 30", Coordinate(insertion.GetZ()));
    AppendPair(strOut, " 40", Coordinate(dHeight));
    AppendPair(strOut, " 1", OneLine(strText));
    AppendPair(strOut, " 7", "STANDARD");
    AppendPair(strOut, "100", "AcDbText");
}
