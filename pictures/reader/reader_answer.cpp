// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader_answer.h"

#include <QDataStream>
#include <QIODevice>

QByteArray encodeAnswer(const ReaderAnswer& answer) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(answer.problem) << answer.width << answer.height << qint32(answer.format)
        << answer.reducedWidth << answer.reducedHeight << answer.pixelBound << answer.onWhitePaper
        << qint32(answer.protections) << answer.peakBytes;
    const PaperFacts& paper = answer.paper;
    out << paper.dotsPerInch.width() << paper.dotsPerInch.height() << paper.ownPaper
        << qint32(paper.pageCount) << qint32(paper.page) << paper.pagePoints.width()
        << paper.pagePoints.height();
    return bytes;
}

namespace {

bool paints(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

std::optional<ReaderAnswer> takeAnswer(QByteArray& bytes, bool& lied) {
    // Every field has a fixed size: every answer is as long as any.
    static const qsizetype kAnswerBytes = encodeAnswer({}).size();
    lied = false;
    if (bytes.size() < kAnswerBytes) return std::nullopt;
    QDataStream in(bytes.first(kAnswerBytes));
    qint32 problem = 0, format = 0, protections = 0;
    ReaderAnswer answer;
    in >> problem >> answer.width >> answer.height >> format >> answer.reducedWidth >>
        answer.reducedHeight >> answer.pixelBound >> answer.onWhitePaper >> protections >>
        answer.peakBytes;
    double dpiAcross = 0, dpiDown = 0, pointsAcross = 0, pointsDown = 0;
    qint32 pageCount = 0, page = 0;
    in >> dpiAcross >> dpiDown >> answer.paper.ownPaper >> pageCount >> page >> pointsAcross >>
        pointsDown;
    answer.paper.dotsPerInch = {dpiAcross, dpiDown};
    answer.paper.pageCount = pageCount;
    answer.paper.page = page;
    answer.paper.pagePoints = {pointsAcross, pointsDown};
    bytes.remove(0, kAnswerBytes);
    lied = true;
    if (in.status() != QDataStream::Ok) return std::nullopt;
    if (problem < int(PictureProblem::None) || problem > int(PictureProblem::NoSuchPage))
        return std::nullopt;
    answer.problem = PictureProblem(problem);
    answer.protections = protections;
    lied = false;
    if (answer.problem != PictureProblem::None) return answer;
    answer.format = QImage::Format(format);
    const bool reduced = answer.reducedWidth != 0 || answer.reducedHeight != 0;
    lied =
        !paints(answer.format) || answer.width < 1 || answer.height < 1 ||
        !fitsPictureBounds(answer.width, answer.height) ||
        (reduced && (answer.reducedWidth < 1 || answer.reducedHeight < 1 ||
                     answer.reducedWidth > answer.width || answer.reducedHeight > answer.height));
    if (lied) return std::nullopt;
    return answer;
}
