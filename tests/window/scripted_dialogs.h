#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "picture_dialogs.h"

// Answers the file dialog from a script and keeps every report instead of showing it.
class ScriptedDialogs : public PictureDialogs {
public:
    struct Report {
        QString path;
        QString reason;
    };
    std::deque<QString> answers;  // an empty answer is a cancel
    std::vector<Report> reports;
    int asked = 0;

    QString choosePicture(QWidget*) override {
        ++asked;
        if (answers.empty()) return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void reportUnreadable(QWidget*, const QString& path, const QString& reason) override {
        reports.push_back({path, reason});
    }
};
