// The resultant table and both drawings summed the plain way: the bytes the fast exports must give.
#pragma once

class CDxfFile;
class CFile;
class CLoadList;

class CLiteralExports
{
public:
    static void ResultantTable(CLoadList& list, CFile& file, char chSeparator);
    static void ResultantDxf(CLoadList& list, CDxfFile& file);
    static void DetailedDxf(CLoadList& list, CDxfFile& file);
};
