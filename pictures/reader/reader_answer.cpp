#include "reader_answer.h"

#include <QDataStream>
#include <QIODevice>

QByteArray encodeAnswer(const ReaderAnswer& answer) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(answer.problem) << answer.width << answer.height << qint32(answer.format)
        << answer.pixelBound << answer.onWhitePaper << qint32(answer.protections)
        << answer.peakBytes;
    return bytes;
}

std::optional<ReaderAnswer> decodeAnswer(const QByteArray& bytes) {
    QDataStream in(bytes);
    qint32 problem = 0, format = 0, protections = 0;
    ReaderAnswer answer;
    in >> problem >> answer.width >> answer.height >> format >> answer.pixelBound >>
        answer.onWhitePaper >> protections >> answer.peakBytes;
    if (in.status() != QDataStream::Ok || !in.atEnd()) return std::nullopt;
    if (problem < int(PictureProblem::None) || problem > int(PictureProblem::TakesTooLong))
        return std::nullopt;
    answer.problem = PictureProblem(problem);
    answer.protections = protections;
    if (answer.problem != PictureProblem::None) return answer;
    answer.format = QImage::Format(format);
    const bool paints = answer.format == QImage::Format_RGB32 ||
                        answer.format == QImage::Format_ARGB32_Premultiplied;
    if (!paints || answer.width < 1 || answer.height < 1 ||
        !fitsPictureBounds(answer.width, answer.height)) {
        return std::nullopt;
    }
    return answer;
}
