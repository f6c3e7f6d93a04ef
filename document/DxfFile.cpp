// The DXF file: its header and footer, and single entities, each handed to the file in one write.
#include "document/DxfFile.h"

#include "document/DxfBuffer.h"

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

// A buffer of no capacity grows to the one entity and writes it at Flush.
void CDxfFile::WriteLine(const CVector3& start, const CVector3& end)
{
    CDxfBuffer entity(*this, 0);
    entity.Line(start, end);
    entity.Flush();
}

void CDxfFile::WriteLine(const CVector3& start, const CVector3& end, int nColour)
{
    CDxfBuffer entity(*this, 0);
    entity.Line(start, end, nColour);
    entity.Flush();
}

void CDxfFile::WriteText(const std::string& strText, const CVector3& insertion, double dHeight, int nColour)
{
    CDxfBuffer entity(*this, 0);
    entity.Text(strText, insertion, dHeight, nColour);
    entity.Flush();
}
