// The report of the loading conditions' check: text and table with Qt's painter, curves through
// the drawing surface.
#include "platform/CheckReport.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <vector>

#include "model/LoadingCheck.h"
#include "model/NumberFormat.h"
#include "model/WaveLoads.h"
#include "platform/QtSurface.h"
#include "view/CheckPlot.h"
#include "view/StrengthPlot.h"

namespace
{
constexpr int kPdfDpi = 300;
const QColor kOutside(200, 0, 0);

QString Text(const std::string& str)
{
    return QString::fromUtf8(str.c_str());
}

QString Fixed(double dValue, int nDecimals = 3)
{
    return Text(CNumberFormat::Format(("%." + std::to_string(nDecimals) + "f").c_str(), dValue));
}

QString Figure(double dValue)
{
    return Text(CNumberFormat::Format("%.6G", dValue));
}

QString Verdict(const SConditionCheck& condition)
{
    return condition.Within() ? QStringLiteral("entro i limiti") : QStringLiteral("fuori dai limiti");
}

QString Joined(const std::vector<std::string>& paths)
{
    QStringList names;
    for (const std::string& strPath : paths)
        names << QFile::decodeName(strPath.c_str());
    return names.join(QStringLiteral(" + "));
}

// Lines of text and rows of the table down a page, starting a new page when one would not fit.
class CPageWriter
{
public:
    CPageWriter(QPagedPaintDevice& device, QPainter& painter) : m_device(device), m_painter(painter)
    {
        m_nWidth = device.width();
        m_nHeight = device.height();
    }

    void SetFont(double dPoints, bool bBold = false)
    {
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(dPoints);
        font.setBold(bBold);
        m_painter.setFont(font);
    }

    int LineHeight() const { return QFontMetrics(m_painter.font(), &m_device).lineSpacing(); }

    // Room for nHeight more pixels, on a new page when this one has not.
    void Need(int nHeight)
    {
        if (m_nY + nHeight <= m_nHeight)
            return;
        m_device.newPage();
        m_nY = 0;
    }

    void Line(const QString& strText, const QColor& colour = Qt::black)
    {
        const int nLine = LineHeight();
        Need(nLine);
        m_painter.setPen(colour);
        m_painter.drawText(QRect(0, m_nY, m_nWidth, nLine), Qt::AlignLeft | Qt::AlignVCenter, strText);
        m_nY += nLine;
    }

    // Cells in columns whose widths are fractions of the page's, numbers to the right.
    void Row(const QStringList& cells, const std::vector<double>& widths, const QColor& colour, bool bRule)
    {
        const int nLine = LineHeight();
        Need(nLine);
        m_painter.setPen(colour);
        int x = 0;
        for (int i = 0; i < cells.size() && i < static_cast<int>(widths.size()); ++i)
        {
            const int nCell = static_cast<int>(widths[static_cast<size_t>(i)] * m_nWidth);
            const int nPad = nLine / 4;
            m_painter.drawText(QRect(x + nPad, m_nY, nCell - 2 * nPad, nLine),
                               (i == 0 || i + 1 == cells.size() ? Qt::AlignLeft : Qt::AlignRight) |
                                   Qt::AlignVCenter,
                               cells[i]);
            x += nCell;
        }
        m_nY += nLine;
        if (bRule)
        {
            m_painter.setPen(QPen(Qt::black, 0));
            m_painter.drawLine(0, m_nY, x, m_nY);
        }
    }

    void Skip(int nHeight) { m_nY += nHeight; }

    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nY = 0;
};
} // namespace

CCheckReport::CCheckReport(const CLoadingCheck& check, const SCheckInputs& inputs)
    : m_check(check), m_inputs(inputs)
{
}

CCheckReport::~CCheckReport() = default;

bool CCheckReport::Render(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    CPageWriter page(device, painter);
    const CWaveLoads* pWave = m_check.Wave();

    page.SetFont(16, true);
    page.Line(QStringLiteral("Verifica delle condizioni di carico"));
    page.SetFont(9);
    page.Line(QStringLiteral("Tavola di carena: ") + QFile::decodeName(m_inputs.strHull.c_str()));
    page.Line(QStringLiteral("Limiti ammissibili: ") + QFile::decodeName(m_inputs.strLimits.c_str()) +
              QStringLiteral(" (") + QString::number(m_check.Limits().size()) +
              QStringLiteral(" punti di lettura)"));
    page.Line(QStringLiteral("Densità dell'acqua: ") + Figure(m_inputs.dDensity) + QStringLiteral(" t/m³"));
    if (pWave)
        page.Line(QStringLiteral("Carichi d'onda: L = ") + Figure(pWave->m_dLength) +
                  QStringLiteral(" m, B = ") + Figure(pWave->m_dBeam) + QStringLiteral(" m, Cb = ") +
                  Figure(pWave->m_dBlock) + QStringLiteral(", k = ") + Figure(pWave->m_dMaterial) +
                  QStringLiteral("; C = ") + Fixed(pWave->Coefficient(), 4) + QStringLiteral(", W_min = ") +
                  Fixed(pWave->LeastModulus(), 4) + QStringLiteral(" m³"));
    else
        page.Line(QStringLiteral("Carichi d'onda: non considerati"));
    for (size_t i = 0; i < m_check.m_conditions.size() && i < m_inputs.conditions.size(); ++i)
        page.Line(Text(m_check.m_conditions[i].m_strName) + QStringLiteral(": ") +
                  Joined(m_inputs.conditions[i]));
    page.Skip(page.LineHeight() / 2);

    QStringList header{QStringLiteral("Condizione"), QStringLiteral("W [t]"),   QStringLiteral("T_aft [m]"),
                       QStringLiteral("T_fwd [m]"),  QStringLiteral("GMT [m]"), QStringLiteral("SF [%]"),
                       QStringLiteral("a x [m]"),    QStringLiteral("BM [%]"),  QStringLiteral("a x [m]")};
    std::vector<double> widths{0.16, 0.08, 0.07, 0.07, 0.07, 0.07, 0.07, 0.07, 0.07};
    if (pWave)
    {
        header << QStringLiteral("Z_req [m³]") << QStringLiteral("a x [m]");
        widths.insert(widths.end(), {0.08, 0.07});
    }
    header << QStringLiteral("Esito");
    widths.push_back(0.12);
    page.SetFont(9, true);
    page.Row(header, widths, Qt::black, true);
    page.SetFont(9);
    for (const SConditionCheck& condition : m_check.m_conditions)
    {
        const CStrengthResult& result = condition.m_result;
        QStringList cells{Text(condition.m_strName),        Fixed(result.m_dWeight, 1),
                          Fixed(result.m_dAftDraft),        Fixed(result.m_dFwdDraft),
                          Fixed(condition.m_dGmt),          Fixed(condition.m_shearUse.dValue, 1),
                          Fixed(condition.m_shearUse.x, 2), Fixed(condition.m_momentUse.dValue, 1),
                          Fixed(condition.m_momentUse.x, 2)};
        if (pWave)
            cells << Fixed(condition.m_modulus.dValue, 4) << Fixed(condition.m_modulus.x, 2);
        cells << Verdict(condition);
        page.Row(cells, widths, condition.Within() ? QColor(Qt::black) : kOutside, false);
    }
    page.Skip(page.LineHeight() / 2);
    const auto extreme = [&](const char* pszWhat, const SExtreme& e, const char* pszUnit) {
        page.Line(QString::fromUtf8(pszWhat) + Fixed(e.dValue, 1) + QString::fromUtf8(pszUnit) +
                  QStringLiteral(" a x = ") + Fixed(e.x, 2) + QStringLiteral(" m (") +
                  Text(m_check.m_conditions[e.nCondition].m_strName) + QStringLiteral(")"));
    };
    extreme("Inviluppo: taglio massimo ", m_check.m_shearMax, " t");
    extreme("Inviluppo: taglio minimo ", m_check.m_shearMin, " t");
    extreme("Inviluppo: momento d'inarcamento massimo ", m_check.m_momentHog, " t·m");
    extreme("Inviluppo: momento d'insellamento massimo ", m_check.m_momentSag, " t·m");

    // The envelope takes the rest of the first page, or a page of its own when little is left.
    page.Need(page.m_nHeight / 2);
    CQtSurface surface(painter, m_nScreenDpiY);
    CCheckPlot(m_check).Draw(surface, SRect{0, page.m_nY, page.m_nWidth, page.m_nHeight});
    surface.Flush();

    for (const SConditionCheck& condition : m_check.m_conditions)
    {
        device.newPage();
        page.m_nY = 0;
        const CStrengthResult& result = condition.m_result;
        page.SetFont(12, true);
        page.Line(QStringLiteral("Condizione ") + Text(condition.m_strName) + QStringLiteral(": ") +
                      Verdict(condition),
                  condition.Within() ? QColor(Qt::black) : kOutside);
        page.SetFont(9);
        page.Line(QStringLiteral("W ") + Fixed(result.m_dWeight, 1) + QStringLiteral(" t, XG ") +
                  Fixed(result.m_dXg) + QStringLiteral(" m, T_aft ") + Fixed(result.m_dAftDraft) +
                  QStringLiteral(" m, T_fwd ") + Fixed(result.m_dFwdDraft) + QStringLiteral(" m, GMT ") +
                  Fixed(condition.m_dGmt) + QStringLiteral(" m; utilizzo massimo del taglio ") +
                  Fixed(condition.m_shearUse.dValue, 1) + QStringLiteral(" % a x = ") +
                  Fixed(condition.m_shearUse.x, 2) + QStringLiteral(" m, del momento ") +
                  Fixed(condition.m_momentUse.dValue, 1) + QStringLiteral(" % a x = ") +
                  Fixed(condition.m_momentUse.x, 2) + QStringLiteral(" m"));
        CQtSurface curves(painter, m_nScreenDpiY);
        CStrengthPlot(result).Draw(curves, SRect{0, page.m_nY, page.m_nWidth, page.m_nHeight});
        curves.Flush();
    }
    return painter.end();
}

bool CCheckReport::Write(const std::string& strPath, std::string& strError) const
{
    QSaveFile file(QFile::decodeName(strPath.c_str()));
    if (!file.open(QIODevice::WriteOnly))
    {
        strError = strPath + ": " + file.errorString().toStdString();
        return false;
    }
    QPdfWriter writer(&file);
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Verifica delle condizioni di carico"));
    writer.setCreator(QStringLiteral("Scafometro"));
    if (!Render(writer) || file.error() != QFileDevice::NoError)
    {
        strError = strPath + ": " +
                   (file.error() != QFileDevice::NoError ? file.errorString().toStdString()
                                                         : std::string("the report could not be drawn"));
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
    {
        strError = strPath + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}
