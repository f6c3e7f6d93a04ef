// The curves of form: the hydrostatics of a hull floating level at a row of drafts, either the
// table's own or an even range, with the reason when the drafts asked for cannot be had.
#pragma once

#include <string>
#include <vector>

#include "model/Hydrostatics.h"

class CHullTable;

struct SCurvesOfFormRow
{
    double dDraft;
    SHydrostatics hydrostatics;
};

class CCurvesOfForm
{
public:
    // No more drafts than this: a range that asks for more is refused, not left to fill memory.
    static constexpr double kMaxDrafts = 100000;
    // The last draft of a range reaches its end to this fraction.
    static constexpr double kEndTolerance = 1e-9;

    CCurvesOfForm() = default;
    virtual ~CCurvesOfForm();

    // At the table's own drafts that give a positive volume. False, with m_strRefusal saying why,
    // for a table with a fault, a density that is not positive or a table that holds no volume.
    bool Compute(const CHullTable& hull, double dDensity);
    // At dFrom, dFrom + dStep, ... up to dTo. Also false for a draft outside 0..the table's deepest,
    // a step that is not positive, dFrom above dTo or too many drafts, the refusal naming the value.
    bool Compute(const CHullTable& hull, double dDensity, double dFrom, double dTo, double dStep);

    std::vector<SCurvesOfFormRow> m_rows;
    std::string m_strRefusal;

private:
    // The refusal common to both: the table's fault or the density; empty when they are sound.
    static std::string Check(const CHullTable& hull, double dDensity);
    bool Refuse(const std::string& strWhy);
};
