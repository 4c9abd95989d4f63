#pragma once

#include "twips.h"
#include "window_port.h"

// A control placed by the twips it is given: it keeps them as set and reads them back
// exactly; only the widget's pixel geometry is rounded. On the picture plane the zoom decides
// how many screen pixels a logical pixel takes; it changes no twip.
template <typename Widget>
class TwipPlaced : public Widget {
public:
    using Widget::Widget;

    const TwipRect& twips() const { return twips_; }
    void setTwips(const TwipRect& twips) {
        twips_ = twips;
        place();
    }
    float extent(Extent extent) const { return twips_.*twipMember(extent); }
    void setExtent(Extent extent, float twips) {
        TwipRect next = twips_;
        next.*twipMember(extent) = twips;
        setTwips(next);
    }

    double zoom() const { return zoom_; }
    void setZoom(double zoom) {
        zoom_ = zoom;
        place();
    }

    // Twips of a point given in pixels from the origin of the control's coordinates.
    virtual QPointF twipsAt(QPointF pixels) const { return toTwips(pixels) / zoom_; }

protected:
    virtual QRect pixelGeometry() const { return toPixelRect(twips_, zoom_); }
    // After every change of place, size or zoom.
    virtual void placed() {}
    void place() {
        Widget::setGeometry(pixelGeometry());
        placed();
    }

private:
    TwipRect twips_;
    double zoom_ = 1.0;
};
