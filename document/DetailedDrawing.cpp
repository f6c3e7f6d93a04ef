// The detailed DXF drawing. The bands are drawn load after load, each from the left end of the
// ship, but every band only ever moves rightwards over the abscissae: one sweep from left to
// right advances all of them together, so the partial sums S_0..S_n are made once per abscissa
// (the same additions in the same order as summing k loads for every S_k) instead of once per
// band. Each band's entities are gathered apart and written in the order of the loads. The labels'
// bottoms, partial sums at abscissae of their own, are made after the sweep in one pass over the
// loads.
#include "document/DetailedDrawing.h"

#include <algorithm>
#include <cmath>

#include "document/DxfBuffer.h"
#include "document/DxfFile.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "model/ResultantLimits.h"
#include "model/StackedSums.h"

namespace
{
constexpr double kLimitOffset = CResultantLimits::kOffset;

enum EState : unsigned char
{
    kSeeking, // looking for the abscissa where the band starts
    kActive,  // drawn or labelled from the start onwards
    kDone,
};
} // namespace

struct CDetailedDrawing::SLabel
{
    double dX;     // the middle of the piece
    double dWidth; // the piece's length
    double dY = 0; // the insertion point's height and the text's, once placed
    double dHeight = 0;
};

struct CDetailedDrawing::SBand
{
    int nLoad = 0;
    EState state = kSeeking;
    bool bWalking = false;   // the outline is still being drawn
    bool bLabelling = false; // pieces are still being labelled
    double dTopX = 0;        // the left end of the top line to come
    double dTopY = 0;
    double dPieceStart = 0;
    // The outline's lines as x1, y1, x2, y2: numbers take a sixth of the room of their DXF text,
    // which is made only when the band is written.
    std::vector<double> lines;
    std::vector<SLabel> labels;
};

CDetailedDrawing::CDetailedDrawing(CLoadList& list) : m_list(list) {}

CDetailedDrawing::~CDetailedDrawing() = default;

void CDetailedDrawing::WriteTo(CDxfFile& file)
{
    m_loads = m_list.Loads();
    m_ordinates.clear();
    m_ordinates.reserve(m_loads.size());
    for (const CLoad* pLoad : m_loads)
        m_ordinates.emplace_back(*pLoad);
    m_xs = m_list.m_abscissae.Values();
    const double dMax = m_list.m_abscissae.Max();
    const double dMin = m_list.m_abscissae.Min();
    const double dHeight = (dMax - dMin) / 40;
    file.WriteHeader();

    m_bands.assign(m_loads.size(), SBand());
    for (size_t k = 0; k < m_bands.size(); ++k)
        m_bands[k].nLoad = static_cast<int>(k + 1);
    Sweep();
    PlaceLabels();

    // Pass 1: each band's outline, then its legend line.
    CDxfBuffer entities(file);
    CVector3 anchor(dMax + dHeight, 0);
    for (SBand& band : m_bands)
    {
        for (size_t i = 0; i + 3 < band.lines.size(); i += 4)
        {
            m_start.Set(band.lines[i], band.lines[i + 1]);
            m_end.Set(band.lines[i + 2], band.lines[i + 3]);
            entities.Line(m_start, m_end, band.nLoad);
        }
        std::vector<double>().swap(band.lines);
        const std::string strText = CNumberFormat::Format("%i", band.nLoad) + " - " +
                                    m_loads[static_cast<size_t>(band.nLoad - 1)]->m_strName;
        entities.Text(strText, anchor, dHeight, band.nLoad);
        anchor.Set(anchor.GetX(), anchor.GetY() + 1.5 * dHeight);
    }
    // Pass 2: the labels inside the bands.
    for (const SBand& band : m_bands)
    {
        const std::string strLabel = CNumberFormat::Format("%i", band.nLoad);
        for (const SLabel& label : band.labels)
        {
            m_start.Set(label.dX, label.dY);
            entities.Text(strLabel, m_start, label.dHeight, band.nLoad);
        }
    }
    entities.Flush();
    file.WriteFooter();
    m_list.Last();
}

void CDetailedDrawing::Sweep()
{
    std::vector<size_t> open(m_bands.size());
    for (size_t k = 0; k < open.size(); ++k)
        open[k] = k;
    for (size_t i = 0; i < m_xs.size() && !open.empty(); ++i)
    {
        CLoadOrdinate::RunningSums(m_ordinates, m_xs[i] - kLimitOffset, m_left);
        CLoadOrdinate::RunningSums(m_ordinates, m_xs[i] + kLimitOffset, m_right);
        size_t nKept = 0;
        for (size_t j : open)
        {
            Advance(m_bands[j], i);
            if (m_bands[j].state != kDone)
                open[nKept++] = j;
        }
        open.resize(nKept);
    }
}

void CDetailedDrawing::Advance(SBand& band, size_t i)
{
    if (band.state == kSeeking)
    {
        const size_t k = static_cast<size_t>(band.nLoad);
        // The band starts where load k first adds something just right of the abscissa, or at
        // the last abscissa when it never does.
        if (m_right[k] == m_right[k - 1] && i + 1 < m_xs.size())
            return;
        StartBand(band, i);
        return;
    }
    if (band.bWalking)
        WalkBand(band, i);
    if (band.bLabelling)
        LabelPiece(band, i);
    if (!band.bWalking && !band.bLabelling)
        band.state = kDone;
}

void CDetailedDrawing::Line(SBand& band, double x1, double y1, double x2, double y2)
{
    band.lines.insert(band.lines.end(), {x1, y1, x2, y2});
}

void CDetailedDrawing::StartBand(SBand& band, size_t i)
{
    const size_t k = static_cast<size_t>(band.nLoad);
    const double s = m_xs[i];
    const bool bLast = i + 1 == m_xs.size();
    band.state = kActive;

    // The left edge: the band's thickness just right of s, drawn from its higher end when the
    // band lies wholly above its own top before s.
    if (m_right[k - 1] > m_left[k])
        Line(band, s, m_right[k], s, m_right[k - 1]);
    else
        Line(band, s, m_right[k - 1], s, m_right[k]);
    // At magnitudes where x + 1e-6 == x the band may never end: the walk stops with the
    // abscissae.
    band.bWalking = m_right[k] != m_right[k - 1] && !bLast;
    band.dTopX = s;
    band.dTopY = m_right[k];

    const double dEnd = m_loads[k - 1]->m_dX2;
    band.bLabelling = s < dEnd;
    band.dPieceStart = s;
    if (!band.bWalking && !band.bLabelling)
        band.state = kDone;
}

void CDetailedDrawing::WalkBand(SBand& band, size_t i)
{
    const size_t k = static_cast<size_t>(band.nLoad);
    const double x = m_xs[i];
    Line(band, band.dTopX, band.dTopY, x, m_left[k]);
    // The edge at x: where the band's bottom on one side lies above its top on the other, the
    // edge runs between them; otherwise it is the step of the band's top.
    if (m_right[k - 1] > m_left[k])
        Line(band, x, m_right[k], x, m_right[k - 1]);
    else if (m_left[k - 1] > m_right[k])
        Line(band, x, m_left[k], x, m_left[k - 1]);
    else
        Line(band, x, m_left[k], x, m_right[k]);
    band.bWalking = m_right[k] != m_right[k - 1] && i + 1 < m_xs.size();
    band.dTopX = x;
    band.dTopY = m_right[k];
}

void CDetailedDrawing::LabelPiece(SBand& band, size_t i)
{
    const size_t k = static_cast<size_t>(band.nLoad);
    const double c = m_xs[i];
    const double dEnd = m_loads[k - 1]->m_dX2;
    // A piece ends at the load's end or where a jump cuts the band.
    if (c == dEnd || m_right[k - 1] >= m_left[k] || m_left[k - 1] >= m_right[k])
    {
        const double a = band.dPieceStart;
        band.labels.push_back(SLabel{(c + a) * 0.5, c - a});
        band.dPieceStart = c;
    }
    band.bLabelling = c < dEnd;
}

void CDetailedDrawing::PlaceLabels()
{
    // Band k's labels stand on S_(k-1) just right of their middles. All those abscissae, sorted,
    // take the loads one after another, and a band's labels read their sums just before its own
    // load is added. Not-a-numbers go last, where std::sort never compares them.
    std::vector<std::pair<double, size_t>> points;
    for (const SBand& band : m_bands)
    {
        for (const SLabel& label : band.labels)
            points.emplace_back(label.dX + kLimitOffset, points.size());
    }
    const auto itNumbers = std::partition(points.begin(), points.end(),
                                          [](const auto& point) { return !std::isnan(point.first); });
    std::sort(points.begin(), itNumbers);
    std::vector<double> xs(points.size());
    std::vector<size_t> rank(points.size());
    for (size_t r = 0; r < points.size(); ++r)
    {
        xs[r] = points[r].first;
        rank[points[r].second] = r;
    }
    CStackedSums sums(std::move(xs));
    size_t j = 0;
    for (size_t k = 0; k < m_bands.size(); ++k)
    {
        for (SLabel& label : m_bands[k].labels)
        {
            const double dLow = sums.Sums()[rank[j++]];
            const double dHigh = dLow + m_ordinates[k].At(label.dX + kLimitOffset);
            label.dY = dLow + (dHigh - dLow) * 0.3;
            label.dHeight = Smaller(std::fabs((dHigh - dLow) * 0.3), std::fabs(label.dWidth * 0.3));
        }
        sums.Add(*m_loads[k]);
    }
}
