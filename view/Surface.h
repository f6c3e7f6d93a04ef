// The drawing surface of the graph: the 2-D drawing operations under their platform names, with the
// pens, brushes and fonts that are selected into it. The Qt painter and the tests' recorder implement it.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

// A colour as 0x00bbggrr.
constexpr std::uint32_t RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 |
           static_cast<std::uint32_t>(b) << 16;
}
constexpr std::uint8_t GetRValue(std::uint32_t cr)
{
    return static_cast<std::uint8_t>(cr & 0xff);
}
constexpr std::uint8_t GetGValue(std::uint32_t cr)
{
    return static_cast<std::uint8_t>(cr >> 8 & 0xff);
}
constexpr std::uint8_t GetBValue(std::uint32_t cr)
{
    return static_cast<std::uint8_t>(cr >> 16 & 0xff);
}

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;
// Raster operations: invert the destination, or draw with the pen's colour.
constexpr int R2_NOT = 6;
constexpr int R2_COPYPEN = 13;
// Mapping modes: pixels with y downward, or tenths of a millimetre with y upward.
constexpr int MM_TEXT = 1;
constexpr int MM_LOMETRIC = 2;
// Device capabilities: the width and height of the surface in pixels.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;

struct SPoint
{
    int x = 0;
    int y = 0;
    bool operator==(const SPoint& other) const { return x == other.x && y == other.y; }
    bool operator!=(const SPoint& other) const { return !(*this == other); }
};

struct SRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A pen: solid or null, a width in pixels and a colour.
class CPen
{
public:
    CPen() = default;
    CPen(int nStyle, int nWidth, std::uint32_t crColour)
        : m_nStyle(nStyle), m_nWidth(nWidth), m_crColour(crColour)
    {
    }
    bool operator==(const CPen& other) const
    {
        return m_nStyle == other.m_nStyle && m_nWidth == other.m_nWidth && m_crColour == other.m_crColour;
    }

    // A surface starts with a solid black pen one pixel wide.
    int m_nStyle = PS_SOLID;
    int m_nWidth = 1;
    std::uint32_t m_crColour = RGB(0, 0, 0);
};

// A solid brush.
class CBrush
{
public:
    CBrush() = default;
    static CBrush CreateSolidBrush(std::uint32_t crColour)
    {
        CBrush brush;
        brush.m_crColour = crColour;
        return brush;
    }
    bool operator==(const CBrush& other) const { return m_crColour == other.m_crColour; }

    // A surface starts with a white brush.
    std::uint32_t m_crColour = RGB(255, 255, 255);
};

// A font: a face and a character height in logical units of the mapping mode it is used in.
class CFont
{
public:
    CFont() = default;
    // A font of nPointSize tenths of a point measured on the screen: its character height in
    // logical units is the screen's vertical pixels per inch times the size over 720, rounded.
    static CFont CreatePointFont(int nPointSize, const std::string& strFace, int nScreenDpiY)
    {
        CFont font;
        font.m_strFace = strFace;
        font.m_nHeight = static_cast<int>(std::lround(static_cast<double>(nScreenDpiY) * nPointSize / 720.0));
        return font;
    }
    bool operator==(const CFont& other) const
    {
        return m_strFace == other.m_strFace && m_nHeight == other.m_nHeight;
    }

    // A surface starts with its own default font, which has no face and a height of 0.
    std::string m_strFace;
    int m_nHeight = 0;
};

class CSurface
{
public:
    static constexpr int kLogicalLimit = 1 << 30;

    virtual ~CSurface() = default;

    virtual void MoveTo(int x, int y) = 0;
    // A line with the current pen from the current position, which then moves to (x, y); the
    // end point itself is not drawn.
    virtual void LineTo(int x, int y) = 0;
    // Filled with the current brush (alternate filling) and outlined with the current pen.
    virtual void Polygon(const SPoint* pPoints, int nCount) = 0;
    virtual void Ellipse(int nLeft, int nTop, int nRight, int nBottom) = 0;
    // The text's top-left corner at (x, y), in the current font, black on an opaque white box.
    virtual void TextOut(int x, int y, const std::string& strText) = 0;
    // Each returns the object it replaces, which the caller selects back when done.
    virtual CPen SelectObject(const CPen& pen) = 0;
    virtual CBrush SelectObject(const CBrush& brush) = 0;
    virtual CFont SelectObject(const CFont& font) = 0;
    // R2_NOT or R2_COPYPEN; returns the previous operation.
    virtual int SetROP2(int nDrawMode) = 0;
    // MM_TEXT or MM_LOMETRIC; returns the previous mode.
    virtual int SetMapMode(int nMapMode) = 0;
    // Device points to logical units of the current mapping mode, in place, rounded to the
    // nearest unit and held within +-kLogicalLimit so that offsets can be added to them.
    virtual void DPtoLP(SPoint* pPoints, int nCount) = 0;
    // HORZRES or VERTRES; 0 for anything else.
    virtual int GetDeviceCaps(int nIndex) = 0;
    // The vertical pixels per logical inch of the screen, on which point sizes of fonts are measured.
    virtual int GetScreenDpiY() = 0;
    // Whether a line drawn again over itself with the current pen leaves every pixel as it was,
    // so that a drawing may leave out lines it has drawn already: a raster device with a plain
    // pen, not inverting. Paper, pictures in vector form and recordings keep every line.
    virtual bool RedrawsLinesAlike() { return false; }
};
