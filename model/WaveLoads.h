// The rule wave loads along the hull girder: the vertical wave bending moments in hogging and in
// sagging and the wave shear forces, with the required section modulus and the rule minimum.
#pragma once

#include <string>

class CWaveLoads
{
public:
    // [m/s²]: kN to t.
    static constexpr double kGravity = 9.80665;
    // The permissible bending stress for k = 1 [N/mm²].
    static constexpr double kStress = 175;
    // A smaller block coefficient is taken as this.
    static constexpr double kLeastBlock = 0.6;

    struct SLoads
    {
        // Shear forces [kN or t] and bending moments [kN m or t m], each with its sign.
        double dFwPos = 0;
        double dFwNeg = 0;
        double dMwHog = 0;
        double dMwSag = 0;
    };

    // Length and beam [m], block coefficient and material factor.
    CWaveLoads(double dLength, double dBeam, double dBlock, double dMaterial = 1);
    virtual ~CWaveLoads();

    // Empty for figures the rule covers; otherwise what is wrong with them.
    std::string Fault() const;
    // The wave coefficient C.
    double Coefficient() const;
    // The loads [kN, kN m] at dFromAft metres forward of the aft end of L; 0 outside 0..L.
    SLoads At(double dFromAft) const;
    // The same in t and t m.
    SLoads InTonnesAt(double dFromAft) const;
    // The section modulus [m³] that keeps the still-water moment dMoment [t m] with either wave
    // moment at dFromAft within the permissible stress.
    double RequiredModulus(double dMoment, double dFromAft) const;
    // The rule's least section modulus amidships [m³].
    double LeastModulus() const;

    double m_dLength;
    double m_dBeam;
    double m_dBlock;
    double m_dMaterial;

private:
    // The block coefficient the formulae use.
    double Block() const;
};
