// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QPrinter>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "keeping_dialogs.h"
#include "picture_dialogs.h"

// Answers every file dialog from one script and keeps every report instead of showing it.
class ScriptedDialogs : public PictureDialogs, public KeepingDialogs {
public:
    struct Report {
        QString path;
        QString reason;
    };
    std::deque<QString> answers;  // an empty answer is a cancel
    std::vector<Report> reports;  // a keeping report has no path
    int asked = 0;
    std::optional<PageChoice> page;  // the paper picked; none: the one offered
    PageChoice offeredPage;
    BeforeClose beforeClose = BeforeClose::Discard;
    int closeAsked = 0;
    QString printTo;  // where the printer writes its PDF
    // The plan's paper: the drawing scale typed, whether what is asked is taken, the page of a
    // PDF chosen (none: the first) and how many pages it was offered of.
    QString drawingScale = QStringLiteral("1:50");
    bool confirms = true;
    std::vector<QString> questions;
    std::optional<int> pdfPage;
    int pagesOffered = 0;
    std::vector<PageGlimpse> glimpses;

    QString choosePicture(QWidget*) override { return nextAnswer(); }
    void reportUnreadable(QWidget*, const QString& path, const QString& reason) override {
        reports.push_back({path, reason});
    }

    std::optional<int> choosePdfPage(QWidget*, const QString&, int pageCount,
                                     const std::vector<PageGlimpse>& shown) override {
        pagesOffered = pageCount;
        glimpses = shown;
        return pdfPage ? pdfPage : std::optional<int>(0);
    }
    QString askDrawingScale(QWidget*) override { return drawingScale; }
    bool confirm(QWidget*, const QString& question) override {
        questions.push_back(question);
        return confirms;
    }
    void warn(QWidget*, const QString& message) override { reports.push_back({{}, message}); }

    QString chooseFileToSave(QWidget*, Saving, const QString&) override { return nextAnswer(); }
    QString chooseArrangement(QWidget*) override { return nextAnswer(); }
    std::optional<PageChoice> choosePage(QWidget*, QSizeF, const PageChoice& suggested) override {
        offeredPage = suggested;
        return page.value_or(suggested);
    }
    BeforeClose askBeforeClose(QWidget*) override {
        ++closeAsked;
        return beforeClose;
    }
    void report(QWidget*, const QString& message) override { reports.push_back({{}, message}); }
    int printedAt = 0;  // the scale's denominator the preview was told
    void previewPrint(QWidget*, const QPageLayout& page, int denominator,
                      const std::function<void(QPrinter&)>& paint) override {
        printedAt = denominator;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        printer.setPageLayout(page);
        paint(printer);
    }

private:
    QString nextAnswer() {
        ++asked;
        if (answers.empty()) return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
