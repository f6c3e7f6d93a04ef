// Reading the hull girder's permissible still-water shear forces and bending moments at the
// read-out points from the text a spreadsheet or a loading instrument's documentation exports.
#pragma once

#include <string>
#include <vector>

struct SLimitPoint;

// A header row "x,SF_max,SF_min,BM_hog,BM_sag" (a name may be followed by its unit, "x [m]"), then
// a row per read-out point with x [m], the shear forces [t] and the bending moments [t m], in
// delimited text as CDelimitedText reads it. x rises strictly from row to row, SF_min <= 0 <= SF_max
// and BM_sag <= 0 <= BM_hog.
class CLimitsFile
{
public:
    // The header's names, in their order.
    static const char* const kColumns[5];

    // Reads the points in the file at strPath into limits, which is left alone on failure. Throws
    // CFileException naming the file and, for a malformed file, the row, the column and what is
    // wrong there.
    static void Read(const std::string& strPath, std::vector<SLimitPoint>& limits);
    // The same from the file's bytes, the messages naming strPath.
    static void Parse(const std::string& strPath, const std::string& strBytes,
                      std::vector<SLimitPoint>& limits);
};
