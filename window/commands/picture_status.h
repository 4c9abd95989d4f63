// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QString>
#include <QTimer>

class QAbstractScrollArea;

// A second status line, on the picture view's bottom-left corner, for what the commands beyond
// the described controls do: the modes that change what a press means (measuring a length,
// measuring along the line), with the way out, and for a moment what was just done (a step taken
// back, a file written). Told to a screen reader; while there is nothing to say, nothing shows.
class PictureStatus : public QLabel {
public:
    // How long what was done stays said.
    static constexpr int kToldMilliseconds = 4000;

    PictureStatus(QWidget& window, QAbstractScrollArea& view);

    void followModes(bool alongTheLine, bool measuring);
    void tell(const QString& done);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showWhatIsSaid();
    void place();

    QAbstractScrollArea& view_;
    QString modes_;
    QString done_;
    QTimer forgetting_;
};
