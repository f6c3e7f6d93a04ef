// One node of the discontinuity abscissae chain.
#pragma once

class CAbscissaNode
{
public:
    CAbscissaNode() = default;
    virtual ~CAbscissaNode();

    CAbscissaNode* m_pNext = nullptr;
    CAbscissaNode* m_pPrev = nullptr;
    double m_dX = 0;
};
