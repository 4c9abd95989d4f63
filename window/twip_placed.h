#pragma once

#include "twips.h"
#include "window_port.h"

// A control placed by the twips it is given: it keeps them as set and reads them back
// exactly; only the widget's pixel geometry is rounded.
template <typename Widget>
class TwipPlaced : public Widget {
public:
    using Widget::Widget;

    const TwipRect& twips() const { return twips_; }
    void setTwips(const TwipRect& twips) {
        twips_ = twips;
        placeWidget(*this, twips_);
    }
    float extent(Extent extent) const { return twips_.*twipMember(extent); }
    void setExtent(Extent extent, float twips) {
        TwipRect next = twips_;
        next.*twipMember(extent) = twips;
        setTwips(next);
    }

private:
    TwipRect twips_;
};
