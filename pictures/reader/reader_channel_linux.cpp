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

constexpr int kHanded = 2;  // the file and the memory

// One byte of data, and room beside it for the descriptors handed with it.
struct HandingMessage {
    char byte = 0;
    iovec data{&byte, 1};
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

bool ReaderChannel::hand(int file, int pixels) const {
    HandingMessage handing;
    cmsghdr* header = CMSG_FIRSTHDR(&handing.message);
    header->cmsg_level = SOL_SOCKET;
    header->cmsg_type = SCM_RIGHTS;
    header->cmsg_len = CMSG_LEN(sizeof(int) * kHanded);
    const int handed[kHanded] = {file, pixels};
    std::memcpy(CMSG_DATA(header), handed, sizeof handed);
    return sendmsg(windowEnd_, &handing.message, MSG_NOSIGNAL) == 1;
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
    if (received != 1 || !header || header->cmsg_type != SCM_RIGHTS ||
        header->cmsg_len != CMSG_LEN(sizeof(int) * kHanded)) {
        return {};
    }
    int handed[kHanded];
    std::memcpy(handed, CMSG_DATA(header), sizeof handed);
    return {handed[0], handed[1]};
}
