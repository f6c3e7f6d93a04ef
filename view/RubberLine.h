// The pan marker: a line from the press point to the pointer with a small circle at the pointer,
// drawn by inverting pixels like the zoom box.
#pragma once

#include "view/RubberBand.h"

class CRubberLine : public CRubberBand
{
public:
    CRubberLine();
    ~CRubberLine() override;

    // Draw comes from the band: it draws this figure through DrawOn.
    void DrawOn(CSurface& surface) const override;
};
