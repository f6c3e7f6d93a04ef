// The window of the weight groups: it has the core sum the loads by group at each level and shows,
// draws, prints and exports what it found.
#include "dialogs/WeightGroupsDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>
#include <map>
#include <set>
#include <utility>

#include "dialogs/AnsiText.h"
#include "dialogs/BuddyLabel.h"
#include "dialogs/GroupGraphWnd.h"
#include "document/File.h"
#include "document/WeightGroupsFile.h"
#include "model/LoadList.h"
#include "model/NumberFormat.h"
#include "model/WeightGroups.h"
#include "platform/Services.h"
#include "platform/WaitCursor.h"

namespace
{
const SFileDialog kCsvDialog{"File tabulato(*.CSV)|*.CSV", "CSV", "gruppi.csv"};
const char* const kColumns[] = {"Gruppo", "Carichi", "Peso [t]", "%", "XG [m]", "YG [m]", "ZG [m]"};
constexpr int kColumnCount = 7;

using CGroupKey = std::pair<int, QString>;

CGroupKey KeyOf(const QTreeWidgetItem* pItem)
{
    return {pItem->data(0, CWeightGroupsDlg::kLevelRole).toInt(),
            pItem->data(0, CWeightGroupsDlg::kNameRole).toString()};
}

// A figure as the tree shows it; none where there is none, as the centre of no weight.
std::string Fixed(double dValue)
{
    return std::isfinite(dValue) ? CNumberFormat::Format("%.4f", dValue) : std::string();
}

QTreeWidgetItem* NewItem(const CWeightGroups& groups, const SWeightGroup& group, int nLevel)
{
    const std::string strShare = groups.HasPercentages() ? Fixed(groups.Percentage(group)) : std::string();
    const std::string texts[] = {nLevel == 0 ? "Totale" : group.m_strName,
                                 std::to_string(group.m_nCount),
                                 Fixed(group.m_dWeight),
                                 strShare,
                                 Fixed(group.m_dXg),
                                 Fixed(group.m_dYg),
                                 Fixed(group.m_dZg)};
    auto* pItem = new QTreeWidgetItem;
    for (int i = 0; i < kColumnCount; ++i)
    {
        pItem->setText(i, QString::fromStdString(texts[i]));
        if (i > 0)
            pItem->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
    }
    pItem->setData(0, CWeightGroupsDlg::kLevelRole, nLevel);
    pItem->setData(0, CWeightGroupsDlg::kNameRole, QString::fromStdString(group.m_strName));
    return pItem;
}

// The rows as the tree shows them, each with its depth: the children of an open row follow it.
void VisibleRows(QTreeWidgetItem* pItem, int nDepth, std::vector<std::pair<QTreeWidgetItem*, int>>& rows)
{
    rows.emplace_back(pItem, nDepth);
    if (!pItem->isExpanded())
        return;
    for (int i = 0; i < pItem->childCount(); ++i)
        VisibleRows(pItem->child(i), nDepth + 1, rows);
}
} // namespace

CWeightGroupsDlg::CWeightGroupsDlg(CLoadList& list, CServices& services, QPrinter& printer, QWidget* pParent)
    : QDialog(pParent, Qt::Window), m_list(list), m_services(services), m_printer(printer)
{
    setWindowTitle(QStringLiteral("Riepilogo per gruppi"));

    m_treeGroups = new QTreeWidget;
    m_treeGroups->setColumnCount(kColumnCount);
    QStringList headers;
    for (const char* pszColumn : kColumns)
        headers << QString::fromUtf8(pszColumn);
    m_treeGroups->setHeaderLabels(headers);
    m_treeGroups->setUniformRowHeights(true);
    m_treeGroups->setAlternatingRowColors(true);
    m_treeGroups->setSelectionMode(QAbstractItemView::SingleSelection);
    m_treeGroups->setAccessibleName(QStringLiteral("Gruppi"));
    m_treeGroups->header()->setStretchLastSection(false);
    m_treeGroups->header()->setDefaultSectionSize(88);
    m_treeGroups->setColumnWidth(0, 120);
    QLabel* pTreeLabel =
        CBuddyLabel::For("&Gruppi (dal codice all'inizio del nome del carico):", m_treeGroups);

    m_wndGraph = new CGroupGraphWnd(list);
    auto* pSplitter = new QSplitter(Qt::Vertical);
    pSplitter->addWidget(m_treeGroups);
    pSplitter->addWidget(m_wndGraph);
    pSplitter->setStretchFactor(0, 1);
    pSplitter->setStretchFactor(1, 1);
    pSplitter->setChildrenCollapsible(false);
    pSplitter->setSizes({330, 290});

    m_spinLevel = new QSpinBox;
    m_spinLevel->setRange(CWeightGroups::kMinLevel, CWeightGroups::kMaxLevel);
    m_spinLevel->setValue(CWeightGroups::kMinLevel);
    QLabel* pLevelLabel = CBuddyLabel::For("&Livello per l'esportazione:", m_spinLevel);
    m_btnExport = new QPushButton(QStringLiteral("&Esporta gruppi (CSV)..."));
    m_btnPrint = new QPushButton(QStringLiteral("Stam&pa..."));
    auto* pClose = new QPushButton(QStringLiteral("Chiudi"));
    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(pLevelLabel);
    pButtons->addWidget(m_spinLevel);
    pButtons->addWidget(m_btnExport);
    pButtons->addStretch(1);
    pButtons->addWidget(m_btnPrint);
    pButtons->addWidget(pClose);
    for (QPushButton* pButton : {m_btnExport, m_btnPrint, pClose})
        pButton->setAutoDefault(false);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pTreeLabel);
    pLayout->addWidget(pSplitter, 1);
    pLayout->addLayout(pButtons);

    connect(m_treeGroups, &QTreeWidget::itemSelectionChanged, this, [this] { OnSelectGroup(); });
    connect(m_btnExport, &QPushButton::clicked, this, [this] { OnExportGroupsCsv(); });
    connect(m_btnPrint, &QPushButton::clicked, this, [this] { OnFilePrint(); });
    connect(pClose, &QPushButton::clicked, this, &QDialog::close);

    resize(860, 700);
    Refresh();
}

CWeightGroupsDlg::~CWeightGroupsDlg() = default;

void CWeightGroupsDlg::Refresh()
{
    CWaitCursor wait;
    std::set<CGroupKey> open;
    for (QTreeWidgetItemIterator it(m_treeGroups); *it; ++it)
    {
        if ((*it)->isExpanded())
            open.insert(KeyOf(*it));
    }
    const QList<QTreeWidgetItem*> selected = m_treeGroups->selectedItems();
    const CGroupKey selection = selected.isEmpty() ? CGroupKey(-1, QString()) : KeyOf(selected.front());
    const int nScroll = m_treeGroups->verticalScrollBar()->value();

    // The signals wait until the tree is whole, so that the graph is drawn once, for the selection kept.
    const QSignalBlocker blocker(m_treeGroups);
    m_treeGroups->setUpdatesEnabled(false);
    m_treeGroups->clear();
    std::map<std::string, QTreeWidgetItem*> parents;
    CWeightGroups groups;
    for (int nLevel = 1; nLevel <= kTreeLevels; ++nLevel)
    {
        groups.Compute(m_list, nLevel);
        std::map<std::string, QTreeWidgetItem*> items;
        for (const SWeightGroup& group : groups.m_groups)
        {
            QTreeWidgetItem* pItem = NewItem(groups, group, nLevel);
            items[group.m_strName] = pItem;
            if (nLevel == 1)
            {
                m_treeGroups->addTopLevelItem(pItem);
                continue;
            }
            // A group's parent is named by its first digits; "-" is its own parent.
            QTreeWidgetItem* pParent = parents[group.m_strName.substr(0, static_cast<size_t>(nLevel - 1))];
            if (pParent)
                pParent->addChild(pItem);
        }
        parents = std::move(items);
    }
    // A row whose only child is itself again (no load coded deeper) does not open; children come
    // before their parents in the reversed walk, so a chain of such rows folds from its end.
    std::vector<QTreeWidgetItem*> all;
    for (QTreeWidgetItemIterator it(m_treeGroups); *it; ++it)
        all.push_back(*it);
    for (auto it = all.rbegin(); it != all.rend(); ++it)
    {
        QTreeWidgetItem* pItem = *it;
        if (pItem->childCount() == 1 && pItem->child(0)->text(0) == pItem->text(0) &&
            pItem->child(0)->childCount() == 0)
            delete pItem->takeChild(0);
    }
    QTreeWidgetItem* pTotal = NewItem(groups, groups.m_total, 0);
    QFont font = pTotal->font(0);
    font.setBold(true);
    for (int i = 0; i < kColumnCount; ++i)
        pTotal->setFont(i, font);
    m_treeGroups->addTopLevelItem(pTotal);

    QTreeWidgetItem* pSelected = nullptr;
    for (QTreeWidgetItemIterator it(m_treeGroups); *it; ++it)
    {
        const CGroupKey key = KeyOf(*it);
        if (open.count(key))
            (*it)->setExpanded(true);
        if (key == selection)
            pSelected = *it;
    }
    if (pSelected)
    {
        m_treeGroups->setCurrentItem(pSelected);
        pSelected->setSelected(true);
    }
    m_treeGroups->verticalScrollBar()->setValue(nScroll);
    m_treeGroups->setUpdatesEnabled(true);
    OnSelectGroup();
}

void CWeightGroupsDlg::OnSelectGroup()
{
    const QList<QTreeWidgetItem*> selected = m_treeGroups->selectedItems();
    if (selected.isEmpty())
    {
        m_wndGraph->SetGroup(std::string(), 0);
        return;
    }
    const CGroupKey key = KeyOf(selected.front());
    m_wndGraph->SetGroup(key.second.toStdString(), key.first);
}

void CWeightGroupsDlg::OnExportGroupsCsv()
{
    CWeightGroups groups;
    groups.Compute(m_list, m_spinLevel->value());
    CFile file;
    m_services.ExportFile(kCsvDialog, file, [&] { CWeightGroupsFile::Write(file, groups); });
}

void CWeightGroupsDlg::OnFilePrint()
{
    if (m_services.PrintDialog(m_printer))
        PrintTo(m_printer);
}

bool CWeightGroupsDlg::PrintTo(QPrinter& printer)
{
    QPainter painter;
    if (!m_services.BeginPrinting(painter, printer))
        return false;
    std::vector<std::pair<QTreeWidgetItem*, int>> rows;
    for (int i = 0; i < m_treeGroups->topLevelItemCount(); ++i)
        VisibleRows(m_treeGroups->topLevelItem(i), 0, rows);

    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    painter.setFont(font);
    const QRect rcPage = printer.pageLayout().paintRectPixels(printer.resolution());
    const int nLine = painter.fontMetrics().height() * 5 / 4;
    const int nIndent = painter.fontMetrics().horizontalAdvance(QStringLiteral("000"));
    // The name's column takes a quarter of the width; the numbers share the rest, right-aligned.
    const int nNameWidth = rcPage.width() / 4;
    const int nCellWidth = (rcPage.width() - nNameWidth) / (kColumnCount - 1);
    const auto cell = [&](int nColumn, int y, const QString& strText, int nDepth) {
        if (nColumn == 0)
        {
            painter.drawText(QRect(nDepth * nIndent, y, nNameWidth, nLine), Qt::AlignLeft | Qt::AlignVCenter,
                             strText);
            return;
        }
        painter.drawText(QRect(nNameWidth + (nColumn - 1) * nCellWidth, y, nCellWidth - nIndent / 3, nLine),
                         Qt::AlignRight | Qt::AlignVCenter, strText);
    };
    const QString strTitle =
        QStringLiteral("Riepilogo per gruppi") +
        (m_list.m_strFileName.empty() ? QString()
                                      : QStringLiteral(" - ") + CAnsiText::ToQString(m_list.m_strFileName));
    const auto heading = [&]() {
        QFont bold = font;
        bold.setBold(true);
        painter.setFont(bold);
        painter.drawText(QRect(0, 0, rcPage.width(), nLine), Qt::AlignLeft | Qt::AlignVCenter, strTitle);
        for (int i = 0; i < kColumnCount; ++i)
            cell(i, nLine * 3 / 2, QString::fromUtf8(kColumns[i]), 0);
        painter.setFont(font);
        painter.drawLine(0, nLine * 5 / 2, rcPage.width(), nLine * 5 / 2);
        return nLine * 3;
    };
    int y = heading();
    for (const auto& [pItem, nDepth] : rows)
    {
        if (y + nLine > rcPage.height())
        {
            printer.newPage();
            y = heading();
        }
        painter.setFont(pItem->font(0));
        for (int i = 0; i < kColumnCount; ++i)
            cell(i, y, pItem->text(i), nDepth);
        y += nLine;
    }
    painter.end();
    return true;
}
