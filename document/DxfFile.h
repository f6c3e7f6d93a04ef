// A minimal ASCII DXF drawing: one ENTITIES section of LINE and TEXT entities, CR LF line ends.
#pragma once

#include <string>

#include "document/File.h"

class CVector3;

class CDxfFile : public CFile
{
public:
    CDxfFile() = default;

    // Empties the file, then opens the ENTITIES section.
    void WriteHeader();
    // Closes the section and the drawing ("EOF" has no line end), then flushes.
    void WriteFooter();
    void WriteLine(const CVector3& start, const CVector3& end);
    void WriteLine(const CVector3& start, const CVector3& end, int nColour);
    void WriteText(const std::string& strText, const CVector3& insertion, double dHeight, int nColour);
    // Drawings of many entities gather them in a CDxfBuffer instead, which writes the same bytes.
};
