// The DXF entities, each built in one piece and handed to the file in one write.
#include "document/DxfFile.h"

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

std::string Coordinate(double dValue)
{
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
    Write(LineEntity(start, end));
}

void CDxfFile::WriteLine(const CVector3& start, const CVector3& end, int nColour)
{
    Write(LineEntity(start, end, nColour));
}

void CDxfFile::WriteText(const std::string& strText, const CVector3& insertion, double dHeight, int nColour)
{
    Write(TextEntity(strText, insertion, dHeight, nColour));
}

std::string CDxfFile::LineEntity(const CVector3& start, const CVector3& end)
{
    std::string strOut = "  0\r\nLINE\r\n  8\r\nDEFAULT\r\n";
    AppendEnds(strOut, start, end);
    return strOut;
}

std::string CDxfFile::LineEntity(const CVector3& start, const CVector3& end, int nColour)
{
    std::string strOut = "  0\r\nLINE\r\n  8\r\nDEFAULT\r\n";
    AppendPair(strOut, "  62", CNumberFormat::Format("%i", nColour));
    AppendEnds(strOut, start, end);
    return strOut;
}

std::string CDxfFile::TextEntity(const std::string& strText, const CVector3& insertion, double dHeight,
                                 int nColour)
{
    std::string strOut = " 0\r\nTEXT\r\n 8\r\nDEFAULT\r\n 6\r\nCONTINUOUS\r\n";
    AppendPair(strOut, "  62", CNumberFormat::Format("%i", nColour));
    AppendPair(strOut, "100", "AcDbText");
    AppendPair(strOut, " 10", Coordinate(insertion.GetX()));
    AppendPair(strOut, " 20", Coordinate(insertion.GetY()));
    AppendPair(strOut, " 30", Coordinate(insertion.GetZ()));
    AppendPair(strOut, " 40", Coordinate(dHeight));
    AppendPair(strOut, " 1", OneLine(strText));
    AppendPair(strOut, " 7", "STANDARD");
    AppendPair(strOut, "100", "AcDbText");
    return strOut;
}
