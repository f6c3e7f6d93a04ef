// The curves of form at the table's drafts or at an even range of drafts.
#include "model/CurvesOfForm.h"

#include <cmath>

#include "model/HullTable.h"
#include "model/NumberFormat.h"

namespace
{
std::string Number(double dValue)
{
    return CNumberFormat::Format("%.10G", dValue);
}
} // namespace

CCurvesOfForm::~CCurvesOfForm() = default;

std::string CCurvesOfForm::Check(const CHullTable& hull, double dDensity)
{
    const std::string strFault = hull.Fault();
    if (!strFault.empty())
        return strFault;
    if (!(dDensity > 0) || !std::isfinite(dDensity))
        return "the density must be a positive number of t/m3, not " + Number(dDensity);
    return std::string();
}

bool CCurvesOfForm::Refuse(const std::string& strWhy)
{
    m_rows.clear();
    m_strRefusal = strWhy;
    return false;
}

bool CCurvesOfForm::Compute(const CHullTable& hull, double dDensity)
{
    m_rows.clear();
    m_strRefusal = Check(hull, dDensity);
    if (!m_strRefusal.empty())
        return false;
    const CHydrostatics hydrostatics(hull, dDensity);
    for (double dDraft : hull.m_drafts)
    {
        const SHydrostatics h = hydrostatics.At(dDraft, dDraft);
        if (h.dVolume > 0)
            m_rows.push_back({dDraft, h});
    }
    return !m_rows.empty() || Refuse("the hull table holds no volume at any of its drafts");
}

bool CCurvesOfForm::Compute(const CHullTable& hull, double dDensity, double dFrom, double dTo, double dStep)
{
    m_rows.clear();
    m_strRefusal = Check(hull, dDensity);
    if (!m_strRefusal.empty())
        return false;
    const double dDeepest = hull.DeepestDraft();
    for (double dDraft : {dFrom, dTo})
    {
        if (!(dDraft >= 0 && dDraft <= dDeepest))
            return Refuse("the draft " + Number(dDraft) + " m lies outside the hull table's 0.." +
                          Number(dDeepest) + " m");
    }
    if (!(dStep > 0) || !std::isfinite(dStep))
        return Refuse("the step between drafts must be positive, not " + Number(dStep));
    if (dFrom > dTo)
        return Refuse("the first draft, " + Number(dFrom) + " m, lies above the last, " + Number(dTo) + " m");
    const double dTolerance = kEndTolerance * std::fabs(dTo);
    const double dIntervals = std::floor((dTo - dFrom) / dStep);
    if (!(dIntervals < kMaxDrafts))
        return Refuse("the step " + Number(dStep) + " m gives more than " + Number(kMaxDrafts) + " drafts");
    // Drafts from their index, so that rounding does not pile up along the range; the end is
    // reached when it lies within the tolerance of the next step.
    long nCount = static_cast<long>(dIntervals) + 1;
    if (dFrom + nCount * dStep <= dTo + dTolerance)
        ++nCount;
    const CHydrostatics hydrostatics(hull, dDensity);
    for (long k = 0; k < nCount; ++k)
    {
        double dDraft = dFrom + k * dStep;
        if (std::fabs(dDraft - dTo) <= dTolerance)
            dDraft = dTo;
        m_rows.push_back({dDraft, hydrostatics.At(dDraft, dDraft)});
    }
    return true;
}
