// SPDX-License-Identifier: GPL-3.0-or-later
#include "room_document.h"

#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>

#include "kept_pictures.h"
#include "number_locale.h"

// The workflow's view of the room: the form's record and the foreground's place and size.
class RoomDocument::Port : public WindowPort {
public:
    explicit Port(RoomDocument& room) : room_(room) {}

    void setTitle(std::string_view title) override {
        room_.setForm(FormPart::Title, [&](FormRecord& form) { form.title = title; });
    }
    std::string text(port::TextBox box) const override { return room_.form().text(box); }
    void setText(port::TextBox box, std::string_view text) override {
        room_.setText(box, std::string(text));
    }
    void setCaption(port::Label label, std::string_view caption) override {
        room_.setForm(FormPart(int(FormPart::Label1) + int(label)),
                      [&](FormRecord& form) { form.captions[std::size_t(label)] = caption; });
    }
    void setStatusColor(Rgb color) override {
        room_.setForm(FormPart::StatusColor, [&](FormRecord& form) { form.statusColor = color; });
    }
    void setEnabled(port::Control control, bool enabled) override {
        bool& now = room_.room_.form.enabled[std::size_t(control)];
        if (now == enabled) return;
        now = enabled;
        emit room_.enabledChanged(control);
    }
    void giveFocus(port::TextBox box) override { emit room_.focusWanted(box); }
    void setLine(const LineEnds& ends) override {
        room_.setForm(FormPart::Line, [&](FormRecord& form) { form.line = ends; });
    }
    float foreground(port::Extent extent) const override {
        return room_.foreground().twips.*twipMember(extent);
    }
    void setForeground(port::Extent extent, float twips) override {
        TwipRect next = room_.foreground().twips;
        next.*twipMember(extent) = twips;
        room_.setForegroundTwips(next);
    }

private:
    RoomDocument& room_;
};

RoomDocument::RoomDocument(const NumberLocale& locale, Room initial)
    : room_(std::move(initial)),
      port_(std::make_unique<Port>(*this)),
      workflow_(std::make_unique<Workflow>(*port_, locale)) {
    workflow_->setAfterEachEvent([this] { emit workflowFollowed(); });
}

RoomDocument::~RoomDocument() = default;

bool RoomDocument::hasForeground() const {
    return foregroundShown() && !foreground().picture.isNull();
}

bool RoomDocument::step(const Step& how, const std::function<void()>& change) {
    if (how.wholePixels && beingRead() && !(wholePixelsWait_ && wholePixelsWait_())) return false;
    ++stepDepth_;
    change();
    if (--stepDepth_ > 0) return true;
    std::optional<Furniture> before = std::exchange(before_, std::nullopt);
    if (std::exchange(historyTaken_, false) || !before) return true;
    history_.push(how.text, std::move(*before), room_.furniture, how.merge);
    emit historyChanged();
    return true;
}

void RoomDocument::touchFurniture() {
    if (stepDepth_ > 0 && !before_) before_ = room_.furniture;
}

void RoomDocument::furnitureChanged(bool foreground, bool pieces) {
    if (foreground) emit foregroundChanged();
    if (pieces) emit piecesChanged();
}

void RoomDocument::setForegroundTwips(const TwipRect& twips) {
    if (twips == foreground().twips) return;
    touchFurniture();
    room_.furniture.foreground.twips = twips;
    furnitureChanged(true, false);
}

void RoomDocument::setForeground(const PlacedPicture& foreground) {
    touchFurniture();
    room_.furniture.foreground = foreground;
    room_.furniture.foreground.calibration.reset();  // the workflow holds the foreground's
    room_.furniture.foregroundShown = true;
    furnitureChanged(true, false);
}

void RoomDocument::choosePiece(int index, const std::optional<QImage>& whole) {
    PlacedPicture chosen = takePiece(index);
    keepForegroundAsPiece();
    if (whole) {
        chosen.picture = *whole;
        chosen.reduced = false;
    }
    const std::optional<KeptCalibration> own = chosen.calibration;
    setForeground(chosen);
    // Shown with its own scale, as after its 「変  更」, beside the plan's.
    const KeptCalibrations now = workflow_->keptCalibrations();
    if (own && now.background) {
        showTask(3);
        workflow_->openArrangement({now.background, own, now.measureAlongLine, true});
    }
}

// The picture's natural size is the one the hidden sizer takes for it: its pixels and the
// border. Both share the same pixels.
void RoomDocument::placeNewForeground(const QString& file, const QImage& picture,
                                      bool onWhitePaper) {
    touchFurniture();
    room_.sizer = {picture, boxAround(picture, room_.sizer.box.left, room_.sizer.box.top)};
    PlacedPicture& placed = room_.furniture.foreground;
    placed.picture = picture;
    placed.onWhitePaper = onWhitePaper;
    placed.twips = {0, 0, room_.sizer.box.width, room_.sizer.box.height};
    placed.degrees = 0;  // a new picture comes as it is
    placed.quarterTurns = 0;
    placed.reduced = false;
    placed.file = file;
    placed.filePixels = picture.size();
    room_.furniture.foregroundShown = true;
    emit sizerChanged();
    furnitureChanged(true, false);
}

void RoomDocument::hideForeground() {
    if (!foregroundShown()) return;
    touchFurniture();
    room_.furniture.foregroundShown = false;
    furnitureChanged(true, false);
}

void RoomDocument::turnForegroundQuarter(bool clockwise) {
    touchFurniture();
    PlacedPicture& placed = room_.furniture.foreground;
    if (!placed.picture.isNull()) {
        placed.picture = placed.picture.transformed(QTransform().rotate(clockwise ? 90 : -90));
        placed.quarterTurns = (placed.quarterTurns + (clockwise ? 1 : 3)) % 4;
    }
    const TwipRect before = placed.twips;
    const double centreX = double(before.left) + before.width / 2.0;
    const double centreY = double(before.top) + before.height / 2.0;
    placed.twips = {float(centreX - before.height / 2.0), float(centreY - before.width / 2.0),
                    before.height, before.width};
    furnitureChanged(true, false);
}

void RoomDocument::turnForegroundDegrees(int degrees) {
    touchFurniture();
    int& turn = room_.furniture.foreground.degrees;
    turn = ((turn + degrees + 179) % 360 + 360) % 360 - 179;
    furnitureChanged(true, false);
}

void RoomDocument::stepForegroundOpacity(int tenths) {
    const int now = int(std::lround(foreground().opacity * 10));
    setForegroundOpacity(std::clamp(now + tenths, 1, 10) / 10.0);
}

void RoomDocument::setForegroundOpacity(double opacity) {
    if (opacity == foreground().opacity) return;
    touchFurniture();
    room_.furniture.foreground.opacity = opacity;
    furnitureChanged(true, false);
}

void RoomDocument::keepForegroundAsPiece() {
    if (!hasForeground()) return;
    touchFurniture();
    PlacedPicture piece = reducedForPlan(foreground());
    // Its own scale goes with it, where it was brought to the plan's.
    const KeptCalibrations calibrations = workflow_->keptCalibrations();
    if (calibrations.foregroundResized) piece.calibration = calibrations.foreground;
    room_.furniture.pieces.push_back(std::move(piece));
    keepPiecesWithinBudget();
    furnitureChanged(false, true);
}

// Beyond the budget every piece is held smaller by one factor, in the steps back too. Pieces
// reduced to the budget already may hold a pixel more a side than it, from rounding up.
void RoomDocument::keepPiecesWithinBudget() {
    qint64 held = 0;
    qint64 roundingUp = 0;
    for (const PlacedPicture& piece : pieces()) {
        held += qint64(piece.picture.width()) * piece.picture.height();
        roundingUp += piece.picture.width() + piece.picture.height() + 1;
    }
    if (held <= kPiecesPixelBudget + roundingUp) return;
    const double scale = scaleWithinBudget(held);
    std::map<qint64, QImage> smaller;
    for (PlacedPicture& piece : room_.furniture.pieces) {
        if (piece.picture.isNull()) continue;
        const QSize size(std::max(1, int(piece.picture.width() * scale)),
                         std::max(1, int(piece.picture.height() * scale)));
        const QImage reduced =
            piece.picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (reduced.isNull()) continue;
        smaller[piece.picture.cacheKey()] = reduced;
        piece.picture = reduced;
        piece.reduced = true;
    }
    history_.substitute(smaller);
    if (before_) {
        for (PlacedPicture& piece : before_->pieces) {
            if (const auto copy = smaller.find(piece.picture.cacheKey()); copy != smaller.end()) {
                piece.picture = copy->second;
            }
        }
    }
    if (std::exchange(toldPiecesReduced_, true)) return;
    emit piecesHeldReduced();
}

PlacedPicture RoomDocument::takePiece(int index) {
    touchFurniture();
    std::vector<PlacedPicture>& pieces = room_.furniture.pieces;
    PlacedPicture piece = std::move(pieces.at(std::size_t(index)));
    pieces.erase(pieces.begin() + index);
    furnitureChanged(false, true);
    return piece;
}

void RoomDocument::holdPieceAs(qint64 pictureKey, const QImage& picture) {
    const auto hold = [&](std::vector<PlacedPicture>& pieces) {
        bool held = false;
        for (PlacedPicture& piece : pieces) {
            if (piece.picture.cacheKey() != pictureKey) continue;
            piece.picture = picture;
            piece.reduced = picture.size() != piece.turnedFilePixels();
            held = true;
        }
        return held;
    };
    if (before_) hold(before_->pieces);  // a step under way sees no change in it
    if (hold(room_.furniture.pieces)) furnitureChanged(false, true);
}

void RoomDocument::undo() { takeHistoryStep(true); }

void RoomDocument::redo() { takeHistoryStep(false); }

// A step back or forth goes through the history itself: it makes no step of its own.
void RoomDocument::takeHistoryStep(bool back) {
    if (back ? !history_.canUndo() : !history_.canRedo()) return;
    const QString text = back ? history_.undoText() : history_.redoText();
    back ? history_.undo(room_.furniture) : history_.redo(room_.furniture);
    historyTaken_ = stepDepth_ > 0;
    furnitureChanged(true, true);
    emit historyChanged();
    emit stepTaken(back, text);
}

void RoomDocument::setBackground(const QString& file, const QImage& picture, bool onWhitePaper,
                                 const PaperFacts& paper) {
    TwipRect box = boxAround(picture, room_.background.box.left, room_.background.box.top);
    if (box.height < kSmallestBackgroundBox || box.width < kSmallestBackgroundBox) {
        box.height = kSmallestBackgroundBox;
        box.width = kSmallestBackgroundBox;
    }
    room_.background = {file, paper.page, picture, onWhitePaper, box, paper};
    emit backgroundChanged();
}

void RoomDocument::openBackground(const QString& file, const QImage& picture, bool onWhitePaper,
                                  const PaperFacts& paper) {
    setBackground(file, picture, onWhitePaper, paper);
    history_.resetClean();  // what an arrangement of it would keep is no longer what was kept
    emit historyChanged();
}

void RoomDocument::setForm(FormPart part, const std::function<void(FormRecord&)>& change) {
    FormRecord next = room_.form;
    change(next);
    if (next == room_.form) return;
    room_.form = std::move(next);
    emit formChanged(part);
}

// The box's change event follows every change of its text, the program's as the user's.
void RoomDocument::setText(port::TextBox box, std::string text) {
    std::string& now = room_.form.texts[std::size_t(box)];
    if (now == text) return;
    now = std::move(text);
    const bool first = box == port::TextBox::Text1;
    emit formChanged(first ? FormPart::Text1 : FormPart::Text2);
    first ? workflow_->text1Change() : workflow_->text2Change();
}

void RoomDocument::typeLength(port::TextBox box, const std::string& text) { setText(box, text); }

void RoomDocument::chooseTask(int task) {
    showTask(task);
    if (task == 1) workflow_->option1Click();
    if (task == 2) workflow_->option2Click();
    if (task == 3) workflow_->option3Click();
}

void RoomDocument::showTask(int task) {
    setForm(FormPart::Task, [task](FormRecord& form) { form.task = task; });
}

void RoomDocument::startReading(const QImage& picture, const QImage& reduced) {
    reading_[picture.cacheKey()] = reduced;
    if (background().picture.cacheKey() == picture.cacheKey()) emit backgroundChanged();
    if (foreground().picture.cacheKey() == picture.cacheKey()) emit foregroundChanged();
}

void RoomDocument::picturesWritten(qint64 pictureKey) {
    if (reading_.erase(pictureKey) == 0) return;
    if (background().picture.cacheKey() == pictureKey) emit backgroundChanged();
    if (foreground().picture.cacheKey() == pictureKey) emit foregroundChanged();
}

QImage RoomDocument::shownWhileRead(const QImage& picture) const {
    const auto reduced = reading_.find(picture.cacheKey());
    return reduced == reading_.end() ? QImage() : reduced->second;
}

RoomDocument::Snapshot RoomDocument::snapshot() const {
    return {room_, state(), history_, reading_, keptIn_, calibrationsKept_};
}

void RoomDocument::restore(const Snapshot& snapshot) {
    room_ = snapshot.room;
    history_ = snapshot.history;
    reading_ = snapshot.reading;
    keptIn_ = snapshot.keptIn;
    calibrationsKept_ = snapshot.calibrationsKept;
    before_.reset();
    historyTaken_ = stepDepth_ > 0;  // a step under way has nothing left to make a step of
    emit backgroundChanged();
    emit sizerChanged();
    furnitureChanged(true, true);
    for (int part = int(FormPart::Title); part <= int(FormPart::Line); ++part) {
        emit formChanged(FormPart(part));
    }
    for (std::size_t control = 0; control < room_.form.enabled.size(); ++control) {
        emit enabledChanged(port::Control(control));
    }
    emit historyChanged();
    workflow_->restore(snapshot.workflow);
}

Arrangement RoomDocument::kept() const {
    Arrangement arrangement;
    arrangement.background = background().file;
    arrangement.backgroundPage = background().page;
    for (const PlacedPicture& piece : pieces()) {
        if (!piece.file.isEmpty()) arrangement.pieces.push_back(keptPicture(piece));
    }
    if (hasForeground() && !foreground().file.isEmpty()) {
        arrangement.foreground = keptPicture(foreground());
    }
    arrangement.calibrations = workflow_->keptCalibrations();
    if (const std::optional<PageChoice>& page = room_.page) {
        arrangement.page = KeptPage{page->paper == QPageSize::A3 ? QStringLiteral("A3")
                                                                 : QStringLiteral("A4"),
                                    page->landscape, page->denominator};
    }
    const UnreadPictures& unread = room_.unread;
    if (arrangement.background.isEmpty()) {
        arrangement.background = unread.background;
        arrangement.backgroundPage = unread.backgroundPage;
    }
    if (!arrangement.foreground) arrangement.foreground = unread.foreground;
    return arrangement;
}

QStringList RoomDocument::picturesInUse() const {
    QStringList files{background().file, foreground().file, room_.unread.background};
    if (room_.unread.foreground) files << room_.unread.foreground->file;
    for (const PlacedPicture& piece : pieces()) files << piece.file;
    files.removeAll(QString());
    return files;
}

void RoomDocument::openArrangement(Room opened, const KeptCalibrations& calibrations,
                                   const QString& file) {
    const BackgroundRecord& plan = opened.background;
    setBackground(plan.file, plan.picture, plan.onWhitePaper, plan.paper);
    room_.furniture = std::move(opened.furniture);
    room_.unread = std::move(opened.unread);
    room_.page = opened.page;
    history_.clear();
    keepPiecesWithinBudget();
    furnitureChanged(true, true);
    showTask(3);
    workflow_->openArrangement(calibrations);
    markKept(file);
}

void RoomDocument::markKept(const QString& file) {
    keptIn_ = file;
    history_.setClean();
    calibrationsKept_ = workflow_->keptCalibrations();
    emit historyChanged();
}

// The calibrations are the workflow's, not steps of the history: they are compared as kept.
bool RoomDocument::hasUnkeptWork() const {
    const Arrangement now = kept();
    const bool worthKeeping = !now.pieces.empty() || !keptIn_.isEmpty();
    return worthKeeping && (!history_.isClean() || now.calibrations != calibrationsKept_);
}
