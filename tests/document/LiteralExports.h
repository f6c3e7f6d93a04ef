// The resultant table and both drawings computed the plain way, summing the loads again for
// every value, as the reference the fast exports must match byte for byte.
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
