// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPageSize>
#include <QPixmap>
#include <QScreen>
#include <QSpinBox>
#include <QStringList>
#include <QTreeView>
#include <QVBoxLayout>
#include <cmath>

#include "messages.h"
#include "picture_formats.h"
#include "shown_names.h"
#include "to_qstring.h"

namespace {

constexpr double kMmPerPoint = 25.4 / 72;
constexpr int kGlimpseSide = 160;

void giveActivationBack(QWidget* parent) {
    if (parent) parent->activateWindow();  // not every platform gives the activation back
}

}  // namespace

QString QtPictureDialogs::pictureFilter() {
    QStringList patterns;
    for (const QByteArray& suffix : readablePictureFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(suffix);
    }
    return QStringLiteral("画像ファイル (%1)").arg(patterns.join(u' '));
}

void prepareFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setViewMode(QFileDialog::Detail);
    const QScreen* screen = dialog.screen();
    const QSize room = screen ? screen->availableGeometry().size() * 9 / 10 : QSize(900, 560);
    dialog.resize(QSize(900, 560).boundedTo(room));
    // The name takes what is left; size, kind and date their whole words.
    if (auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* columns = files->header();
        for (int column = 1; column < columns->count(); ++column) {
            columns->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        }
        columns->setSectionResizeMode(0, QHeaderView::Stretch);
        columns->setStretchLastSection(false);
    }
}

QString QtPictureDialogs::choosePicture(QWidget* parent) {
    QFileDialog dialog(parent);
    prepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name need not exist; a missing file is reported when it is read.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({pictureFilter(), QStringLiteral("すべてのファイル (*)")});
    dialog.selectFile(QString());
    const bool chosen = dialog.exec() == QDialog::Accepted;
    giveActivationBack(parent);
    if (!chosen) return {};
    return dialog.selectedFiles().value(0);
}

QString unreadableMessage(const QString& path, const QString& reason) {
    return QStringLiteral("画像を読み込めませんでした。\n%1\n%2").arg(shownName(path), reason);
}

void QtPictureDialogs::reportUnreadable(QWidget* parent, const QString& path,
                                        const QString& reason) {
    QMessageBox box(QMessageBox::Warning, toQString(kWindowTitle), unreadableMessage(path, reason),
                    QMessageBox::Ok, parent);
    box.exec();
}

QString pageName(int page, QSizeF points) {
    const QSizeF mm = points * kMmPerPoint;
    const QString size = QStringLiteral("%1 × %2 mm")
                             .arg(std::lround(mm.width()))
                             .arg(std::lround(mm.height()));
    const QPageSize::PageSizeId id =
        QPageSize::id(points, QPageSize::Point, QPageSize::FuzzyOrientationMatch);
    const QString paper =
        id == QPageSize::Custom
            ? size
            : QStringLiteral("%1 %2（%3）")
                  .arg(QPageSize::name(id), points.width() > points.height() ? QStringLiteral("横")
                                                                             : QStringLiteral("縦"),
                       size);
    return QStringLiteral("%1 ページ　%2").arg(page + 1).arg(paper);
}

std::optional<int> QtPictureDialogs::choosePdfPage(QWidget* parent, const QString& path,
                                                   int pageCount,
                                                   const std::vector<PageGlimpse>& glimpses) {
    QDialog dialog(parent);
    dialog.setWindowTitle(toQString(kWindowTitle));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(
        QStringLiteral("%1 には %2 ページあります。開くページを選んで下さい。")
            .arg(shownName(path))
            .arg(pageCount),
        &dialog));
    auto* pages = new QListWidget(&dialog);
    pages->setViewMode(QListView::IconMode);
    pages->setIconSize(QSize(kGlimpseSide, kGlimpseSide));
    pages->setResizeMode(QListView::Adjust);
    pages->setMovement(QListView::Static);
    pages->setWordWrap(true);
    pages->setGridSize(QSize(kGlimpseSide + 60, kGlimpseSide + 48));
    for (std::size_t page = 0; page < glimpses.size(); ++page) {
        auto* item = new QListWidgetItem(pageName(int(page), glimpses[page].points), pages);
        if (!glimpses[page].picture.isNull()) {
            item->setIcon(QPixmap::fromImage(glimpses[page].picture));
        }
    }
    pages->setCurrentRow(0);
    layout->addWidget(pages);
    // Beyond the glimpses, any page by its number.
    auto* number = new QSpinBox(&dialog);
    number->setRange(1, pageCount);
    number->setPrefix(QStringLiteral("ページ番号 "));
    QObject::connect(pages, &QListWidget::currentRowChanged, number,
                     [number](int row) { number->setValue(row + 1); });
    QObject::connect(number, &QSpinBox::valueChanged, pages, [pages](int value) {
        if (value <= pages->count()) pages->setCurrentRow(value - 1);
    });
    layout->addWidget(number);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(pages, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.resize(QSize(760, 520));
    const bool chosen = dialog.exec() == QDialog::Accepted;
    giveActivationBack(parent);
    if (!chosen) return std::nullopt;
    return number->value() - 1;
}

QString QtPictureDialogs::askDrawingScale(QWidget* parent) {
    QStringList offered;
    for (const char* scale : kOfferedDrawingScales) offered << QString::fromLatin1(scale);
    bool ok = false;
    const QString typed = QInputDialog::getItem(
        parent, toQString(kWindowTitle),
        QStringLiteral("背景画像の図面の縮尺を選ぶか入力して下さい（100 だけなら 1:100）。"),
        offered, 0, true, &ok);
    giveActivationBack(parent);
    return ok ? typed : QString();
}

bool QtPictureDialogs::confirm(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, toQString(kWindowTitle),
                    question + QStringLiteral("\nよろしいですか？"),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    const bool taken = box.exec() == QMessageBox::Ok;
    giveActivationBack(parent);
    return taken;
}

void QtPictureDialogs::warn(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Warning, toQString(kWindowTitle), message, QMessageBox::Ok,
                    parent);
    box.exec();
    giveActivationBack(parent);
}
