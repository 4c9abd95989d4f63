// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>
#include <span>

#include "page_choice.h"

class QPrinter;
class QWidget;

// The dialogs of keeping an arrangement: where to write it, which to open, on what paper and
// at what scale to print it, whether to keep it before closing, and what went wrong. Tests substitute a scripted
// version.
class KeepingDialogs {
public:
    virtual ~KeepingDialogs() = default;

    enum class Saving { Arrangement, Export };
    // The file to write, which may exist (the dialog asked); empty when cancelled.
    virtual QString chooseFileToSave(QWidget* parent, Saving kind, const QString& suggested) = 0;
    // The arrangement file to open; empty when cancelled.
    virtual QString chooseArrangement(QWidget* parent) = 0;
    // The paper and the scale for a plan of this real size, `suggested` first offered; empty
    // when cancelled.
    virtual std::optional<PageChoice> choosePage(QWidget* parent, QSizeF planMm,
                                                 const PageChoice& suggested) = 0;
    enum class BeforeClose { Save, Discard, Cancel };
    virtual BeforeClose askBeforeClose(QWidget* parent) = 0;
    virtual void report(QWidget* parent, const QString& message) = 0;
    // The pages `paint` draws at 1:`denominator` on a printer set to `page`, in a preview from
    // which they are printed.
    virtual void previewPrint(QWidget* parent, const QPageLayout& page, int denominator,
                              const std::function<void(QPrinter&)>& paint) = 0;
};

// The name first offered for a file written from the plan: beside it, named after it, with
// `ending` ("配置.png" where there is no plan).
QString nameBesidePlan(const QString& plan, const QString& ending);

// "ポコタム — 縮尺 1:50 の印刷。用紙に合わせず 100 % で印刷して下さい": the preview says the
// scale and that the pages are printed unscaled.
QString printTitle(int denominator);

// Qt's own dialogs, in the window's language.
class QtKeepingDialogs : public KeepingDialogs {
public:
    QString chooseFileToSave(QWidget* parent, Saving kind, const QString& suggested) override;
    QString chooseArrangement(QWidget* parent) override;
    std::optional<PageChoice> choosePage(QWidget* parent, QSizeF planMm,
                                         const PageChoice& suggested) override;
    BeforeClose askBeforeClose(QWidget* parent) override;
    void report(QWidget* parent, const QString& message) override;
    void previewPrint(QWidget* parent, const QPageLayout& page, int denominator,
                      const std::function<void(QPrinter&)>& paint) override;
};
