// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "arrangement.h"
#include "room.h"
#include "room_history.h"
#include "workflow.h"

class NumberLocale;

// The room the user makes: the plan, the foreground and the pieces, the form the workflow
// shows, the workflow itself and the history of the furniture, with whether each picture is
// still being read. The window's widgets show it and send it what the user does; they hold
// nothing of their own. It says what changed; every change of the furniture made in a step can
// be taken back.
class RoomDocument : public QObject {
    Q_OBJECT
public:
    // `initial`: the room as the window description lays it out, before its load event.
    RoomDocument(const NumberLocale& locale, Room initial);
    ~RoomDocument() override;

    const Room& room() const { return room_; }
    const BackgroundRecord& background() const { return room_.background; }
    bool hasPlan() const { return !room_.background.picture.isNull(); }
    const PlacedPicture& foreground() const { return room_.furniture.foreground; }
    bool foregroundShown() const { return room_.furniture.foregroundShown; }
    // Shown, with a picture.
    bool hasForeground() const;
    const std::vector<PlacedPicture>& pieces() const { return room_.furniture.pieces; }
    const SizerRecord& sizer() const { return room_.sizer; }
    const FormRecord& form() const { return room_.form; }
    const RoomHistory& history() const { return history_; }

    // The workflow acts on the room through its port: its form and the foreground's extents.
    Workflow& workflow() { return *workflow_; }
    const WorkflowState& state() const { return workflow_->state(); }

    // The one way to change the room. A change made in it that changes the furniture becomes one
    // step of the history, named `text`; changes with the same merge number one after another
    // join one step (a drag). A step that takes pixels (turns them, keeps them, writes them) waits
    // for every picture still being read to be whole first; false when it did not run because
    // that wait went back to before a picture opened.
    struct Step {
        QString text;
        bool wholePixels = false;
        int merge = 0;
    };
    bool step(const Step& how, const std::function<void()>& change);

    // The furniture.
    void setForegroundTwips(const TwipRect& twips);
    // A new picture, or a piece chosen, as the foreground, shown.
    void setForeground(const PlacedPicture& foreground);
    // A picture just read as the foreground: at the top-left corner, at the size the hidden
    // sizer takes for it, see-through as the foreground was.
    void placeNewForeground(const QString& file, const QImage& picture, bool onWhitePaper);
    void hideForeground();
    // Turns the picture a quarter about its centre: the width and height swap exactly and the
    // centre stays where it was.
    void turnForegroundQuarter(bool clockwise);
    // Turns the drawn picture by whole degrees about its centre; no twip changes.
    void turnForegroundDegrees(int degrees);
    // See-through in tenths, from the picture's own pixels down to one tenth.
    void stepForegroundOpacity(int tenths);
    void setForegroundOpacity(double opacity);
    // The foreground kept where it is as the topmost piece, with no more pixels than the plan
    // has where it lies, and all pieces within one budget of pixels.
    void keepForegroundAsPiece();
    PlacedPicture takePiece(int index);
    // A piece made the foreground, from `whole` where its file's own pixels were read again; the
    // foreground becomes a piece in its place. A piece that kept its own calibration is shown
    // with it, beside the plan's, as after its 「変  更」.
    void choosePiece(int index, const std::optional<QImage>& whole);
    // The pieces that show the pixels `pictureKey` show `picture` instead: the same picture of
    // the file held at another size, for the view. No step: nothing of the furniture changes.
    void holdPieceAs(qint64 pictureKey, const QImage& picture);
    void undo();
    void redo();

    // A plan read from `file` (a page of it, where it has pages): its box fitted to it, but never
    // smaller than the least box.
    void openBackground(const QString& file, const QImage& picture, bool onWhitePaper,
                        const PaperFacts& paper);

    // What the user does in the form: types into a length box, chooses a task.
    void typeLength(port::TextBox box, const std::string& text);
    void chooseTask(int task);
    // The task shown chosen, as the program chooses it for the user; no event follows.
    void showTask(int task);

    // A picture shown from `reduced` until its whole pixels are written; they are now.
    void startReading(const QImage& picture, const QImage& reduced);
    void picturesWritten(qint64 pictureKey);
    // The reduced copy a picture is shown from while it is being read, or a null picture.
    QImage shownWhileRead(const QImage& picture) const;
    bool beingRead() const { return !reading_.empty(); }
    // How the window waits for every picture being read (true once all are whole).
    void setWholePixelsWait(std::function<bool()> wait) { wholePixelsWait_ = std::move(wait); }

    // The room whole, with its history, to take it back exactly.
    struct Snapshot {
        Room room;
        WorkflowState workflow;
        RoomHistory history;
        std::map<qint64, QImage> reading;
        QString keptIn;
        KeptCalibrations calibrationsKept;
    };
    Snapshot snapshot() const;
    void restore(const Snapshot& snapshot);

    // Keeping the room in an arrangement file.
    Arrangement kept() const;
    // A room read from an arrangement: its pictures read (or not), its calibrations taken as if
    // just made, its history new and kept.
    void openArrangement(Room opened, const KeptCalibrations& calibrations, const QString& file);
    // The paper last chosen for pages at a scale; none before.
    const std::optional<PageChoice>& page() const { return room_.page; }
    void choosePage(const PageChoice& page) { room_.page = page; }

    // The files of every picture the room holds or keeps unread: none is ever written over.
    QStringList picturesInUse() const;
    // The file the room was last saved to or opened from; empty before.
    const QString& keptIn() const { return keptIn_; }
    void markKept(const QString& file);
    // Whether closing would lose work: pieces are kept, or the room was saved or opened, and it
    // changed since: the history is not where it was kept, or the calibrations are not those.
    bool hasUnkeptWork() const;

signals:
    void backgroundChanged();
    void foregroundChanged();
    void piecesChanged();
    void sizerChanged();
    void formChanged(FormPart part);
    void enabledChanged(port::Control control);
    void focusWanted(port::TextBox box);
    void historyChanged();
    // A step taken back (or done again), under its name.
    void stepTaken(bool back, const QString& text);
    // After every event of the workflow but a pointer's move.
    void workflowFollowed();
    // Once in a room's life: the pieces are held reduced beyond their plan's density, to stay
    // within the budget.
    void piecesHeldReduced();

private:
    class Port;
    friend class Port;

    // Before any change of the furniture in a step.
    void touchFurniture();
    void furnitureChanged(bool foreground, bool pieces);
    void takeHistoryStep(bool back);
    void keepPiecesWithinBudget();
    void setText(port::TextBox box, std::string text);
    void setForm(FormPart part, const std::function<void(FormRecord&)>& change);
    void setBackground(const QString& file, const QImage& picture, bool onWhitePaper,
                       const PaperFacts& paper);

    Room room_;
    RoomHistory history_;
    std::unique_ptr<Port> port_;
    std::unique_ptr<Workflow> workflow_;
    std::map<qint64, QImage> reading_;  // the reduced copy of each picture still being read
    std::function<bool()> wholePixelsWait_;
    QString keptIn_;
    bool toldPiecesReduced_ = false;
    KeptCalibrations calibrationsKept_;  // as last kept

    // The step under way: the furniture before its first change.
    int stepDepth_ = 0;
    std::optional<Furniture> before_;
    bool historyTaken_ = false;  // the step went through the history itself
};
