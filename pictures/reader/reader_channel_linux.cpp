// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "reader_channel.h"

namespace {

constexpr int kHanded = 3;  // the file, the memory and the memory of the reduced copy

// The view and what of the file is asked for, as plain numbers.
struct ViewData {
    double level = 0;
    qint32 roomWidth = -1;
    qint32 roomHeight = -1;
    double smallest = 0;
    qint32 page = 0;
    qint32 fitSide = 0;
    qint32 detailWhole[2] = {};
    qint32 detailPart[4] = {};
};

// The view, and room beside it for the descriptors handed with it.
struct HandingMessage {
    ViewData view;
    iovec data{&view, sizeof view};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * kHanded)] = {};
    msghdr message{};

    HandingMessage() {
        message.msg_iov = &data;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
    }
    HandingMessage(const HandingMessage&) = delete;
    HandingMessage& operator=(const HandingMessage&) = delete;
};

}  // namespace

ReaderChannel::ReaderChannel() {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) return;
    windowEnd_ = ends[0];
    readerEnd_ = ends[1];
}

ReaderChannel::~ReaderChannel() {
    if (windowEnd_ >= 0) close(windowEnd_);
    if (readerEnd_ >= 0) close(readerEnd_);
}

QString ReaderChannel::handTo(QProcess& process) const {
    const int readerEnd = readerEnd_;
    const int windowEnd = windowEnd_;
    const pid_t window = getpid();
    // Between fork and exec: only calls that are safe there.
    process.setChildProcessModifier([readerEnd, windowEnd, window] {
        fcntl(readerEnd, F_SETFD, 0);  // inherited by the reader alone
        close(windowEnd);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != window) _exit(1);  // the window ended before that was set
    });
    return QString::number(readerEnd_);
}

bool ReaderChannel::hand(int file, int pixels, int firstPixels, const FirstView& view,
                         const ReadRequest& request) const {
    HandingMessage handing;
    const QSize& whole = request.detailWhole;
    const QRect& part = request.detailPart;
    handing.view = {view.level,
                    view.room.width(),
                    view.room.height(),
                    view.smallest,
                    request.page,
                    request.fitSide,
                    {whole.width(), whole.height()},
                    {part.x(), part.y(), part.width(), part.height()}};
    cmsghdr* header = CMSG_FIRSTHDR(&handing.message);
    header->cmsg_level = SOL_SOCKET;
    header->cmsg_type = SCM_RIGHTS;
    header->cmsg_len = CMSG_LEN(sizeof(int) * kHanded);
    const int handed[kHanded] = {file, pixels, firstPixels};
    std::memcpy(CMSG_DATA(header), handed, sizeof handed);
    return sendmsg(windowEnd_, &handing.message, MSG_NOSIGNAL) == ssize_t(sizeof handing.view);
}

HandedOver waitToBeHanded(const QString& channel) {
    bool isNumber = false;
    const int end = channel.toInt(&isNumber);
    if (!isNumber || end < 3) return {};
    HandingMessage handing;
    ssize_t received;
    do {
        received = recvmsg(end, &handing.message, MSG_CMSG_CLOEXEC);
    } while (received < 0 && errno == EINTR);
    const cmsghdr* header = CMSG_FIRSTHDR(&handing.message);
    if (received != ssize_t(sizeof handing.view) || !header || header->cmsg_type != SCM_RIGHTS ||
        header->cmsg_len != CMSG_LEN(sizeof(int) * kHanded)) {
        return {};
    }
    int handed[kHanded];
    std::memcpy(handed, CMSG_DATA(header), sizeof handed);
    const ViewData& view = handing.view;
    return {
        handed[0],
        handed[1],
        handed[2],
        {view.level, QSize(view.roomWidth, view.roomHeight), view.smallest},
        {view.page, view.fitSide, QSize(view.detailWhole[0], view.detailWhole[1]),
         QRect(view.detailPart[0], view.detailPart[1], view.detailPart[2], view.detailPart[3])}};
}
