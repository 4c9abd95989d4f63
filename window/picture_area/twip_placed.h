// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plane_zoom.h"
#include "twips.h"

// A control placed by the twips it is given: it keeps them as set and reads them back
// exactly; only the widget's pixel geometry is rounded. On the picture plane it follows the
// plane's zoom, which decides how many screen pixels a logical pixel takes and changes no twip;
// off the plane (no zoom given) it stays at 100 %.
template <typename Widget>
class TwipPlaced : public Widget {
public:
    TwipPlaced(QWidget* parent, const PlaneZoom* zoom) : Widget(parent), zoom_(zoom) {
        if (zoom) QObject::connect(zoom, &PlaneZoom::changed, this, [this] { place(); });
    }

    const TwipRect& twips() const { return twips_; }
    void setTwips(const TwipRect& twips) {
        twips_ = twips;
        place();
    }

    double zoomLevel() const { return zoom_ ? zoom_->level() : 1.0; }

protected:
    virtual QRect pixelGeometry() const { return toPixelRect(twips_, zoomLevel()); }
    // After every change of place, size or zoom.
    virtual void placed() {}
    void place() {
        Widget::setGeometry(pixelGeometry());
        placed();
    }

private:
    TwipRect twips_;
    const PlaneZoom* zoom_;
};
