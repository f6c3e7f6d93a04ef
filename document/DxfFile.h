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

    // The bytes of one entity, for drawings that assemble their entities out of order before
    // writing them in order.
    static std::string LineEntity(const CVector3& start, const CVector3& end);
    static std::string LineEntity(const CVector3& start, const CVector3& end, int nColour);
    static std::string TextEntity(const std::string& strText, const CVector3& insertion, double dHeight,
                                  int nColour);
};
