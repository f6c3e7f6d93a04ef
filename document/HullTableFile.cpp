// Reading a hull's Bonjean table from delimited text.
#include "document/HullTableFile.h"

#include <utility>
#include <vector>

#include "document/DelimitedText.h"
#include "document/FileException.h"
#include "model/HullTable.h"

namespace
{
class CTableParser
{
public:
    CTableParser(const std::string& strPath, const std::string& strBytes, CHullTable& table)
        : m_text(strPath, strBytes), m_strPath(strPath), m_table(table)
    {
    }

    void ReadDrafts(const std::vector<std::string>& cells, size_t nRow)
    {
        if (cells.size() < 3)
            m_text.Fail(nRow, 0, "fewer than two drafts after the label cell");
        m_table.m_strLabel = cells[0];
        for (size_t c = 1; c < cells.size(); ++c)
        {
            const double dDraft = m_text.Number(cells[c], nRow, c + 1, "a draft");
            if (dDraft < 0)
                m_text.Fail(nRow, c + 1, "draft " + CDelimitedText::Shown(dDraft) + " is below zero");
            if (c > 1 && !(dDraft > m_table.m_drafts.back()))
                m_text.Fail(nRow, c + 1,
                            "draft " + CDelimitedText::Shown(dDraft) + " is not above the draft before it, " +
                                CDelimitedText::Shown(m_table.m_drafts.back()));
            m_table.m_drafts.push_back(dDraft);
        }
    }

    void ReadStation(const std::vector<std::string>& cells, size_t nRow)
    {
        const size_t nDrafts = m_table.m_drafts.size();
        if (cells.size() != nDrafts + 1)
            m_text.Fail(nRow, 0,
                        std::to_string(cells.size()) + " cells where the drafts row has " +
                            std::to_string(nDrafts + 1));
        const double dStation = m_text.Number(cells[0], nRow, 1, "a station abscissa");
        if (!m_table.m_stations.empty() && !(dStation > m_table.m_stations.back()))
            m_text.Fail(nRow, 1,
                        "station " + CDelimitedText::Shown(dStation) +
                            " is not beyond the station before it, " +
                            CDelimitedText::Shown(m_table.m_stations.back()));
        m_table.m_stations.push_back(dStation);
        for (size_t c = 1; c < cells.size(); ++c)
        {
            const double dArea = m_text.Number(cells[c], nRow, c + 1, "an area");
            if (dArea < 0)
                m_text.Fail(nRow, c + 1, "area " + CDelimitedText::Shown(dArea) + " is negative");
            if (c > 1 && dArea < m_table.m_areas.back())
                m_text.Fail(nRow, c + 1,
                            "area " + CDelimitedText::Shown(dArea) +
                                " is less than the area at the draft before, " +
                                CDelimitedText::Shown(m_table.m_areas.back()));
            m_table.m_areas.push_back(dArea);
        }
    }

    void Parse()
    {
        std::vector<std::string> cells;
        if (!m_text.NextRow(cells))
            throw CFileException(m_strPath, "no drafts row: the file holds no table");
        ReadDrafts(cells, m_text.Row());
        size_t nLastRow = m_text.Row();
        while (m_text.NextRow(cells))
        {
            ReadStation(cells, m_text.Row());
            nLastRow = m_text.Row();
        }
        if (m_table.m_stations.size() < 2)
            m_text.Fail(nLastRow, 0,
                        "fewer than two stations: the table ends after " +
                            std::to_string(m_table.m_stations.size()));
    }

private:
    CDelimitedText m_text;
    const std::string& m_strPath;
    CHullTable& m_table;
};
} // namespace

void CHullTableFile::Parse(const std::string& strPath, const std::string& strBytes, CHullTable& table)
{
    CHullTable read;
    CTableParser(strPath, strBytes, read).Parse();
    table = std::move(read);
}

void CHullTableFile::Read(const std::string& strPath, CHullTable& table)
{
    Parse(strPath, CDelimitedText::ReadFile(strPath, "a hull table"), table);
}
