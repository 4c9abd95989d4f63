#include "svg_reader.h"

#include <QBuffer>
#include <QHash>
#include <QIODevice>
#include <QImageReader>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <functional>
#include <optional>
#include <vector>

namespace {

// Far beyond any drawing a person makes, far below what would keep the renderer busy for long.
constexpr double kMostDrawnElements = 1e6;
constexpr qint64 kMostSvgBytes = 64LL * 1024 * 1024;

QString targetOf(const QXmlStreamAttributes& attributes) {
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() == u"href" && attribute.value().startsWith(u'#')) {
            return attribute.value().mid(1).toString();
        }
    }
    return {};
}

}  // namespace

bool isSvgFormat(const QByteArray& format) { return format == "svg"; }

QByteArray withoutOutsideReferences(const QByteArray& svg) {
    // Any attribute named href, with or without a namespace prefix, whose value is neither a
    // part of this drawing (#...) nor data inside it.
    static const QRegularExpression outside(
        QStringLiteral(R"((\b(?:[\w.-]+:)?href\s*=\s*)(["'])(?!#|data:)[^"']*\2)"));
    QString text = QString::fromUtf8(svg);
    text.replace(outside, QStringLiteral(R"(\1\2#\2)"));
    return text.toUtf8();
}

std::optional<double> drawnElements(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    QHash<QString, std::vector<QString>> usesInside;  // by id: the targets of uses inside it
    std::vector<QString> openIds;                     // the ids of the elements now open
    std::vector<QString> allUses;
    double elements = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++elements;
            const QString id = xml.attributes().value(QStringLiteral("id")).toString();
            if (xml.name() == u"use") {
                const QString target = targetOf(xml.attributes());
                if (!target.isEmpty()) {
                    allUses.push_back(target);
                    for (const QString& open : openIds) {
                        if (!open.isEmpty()) usesInside[open].push_back(target);
                    }
                }
            }
            openIds.push_back(id);
        } else if (token == QXmlStreamReader::EndElement) {
            openIds.pop_back();
        }
    }
    if (xml.hasError()) return std::nullopt;

    // Each use draws its target once more, and all the uses inside that target with it.
    QHash<QString, double> drawnBy;
    QHash<QString, bool> visiting;
    std::function<std::optional<double>(const QString&)> drawn =
        [&](const QString& id) -> std::optional<double> {
        if (const auto known = drawnBy.constFind(id); known != drawnBy.constEnd()) return *known;
        if (visiting.value(id)) return std::nullopt;  // a circle
        visiting[id] = true;
        double count = 1;
        for (const QString& target : usesInside.value(id)) {
            const std::optional<double> inner = drawn(target);
            if (!inner) return std::nullopt;
            count += *inner;
            if (count > kMostDrawnElements) break;
        }
        visiting[id] = false;
        return drawnBy[id] = count;
    };
    for (const QString& target : allUses) {
        const std::optional<double> more = drawn(target);
        if (!more) return std::nullopt;
        elements += *more;
        if (elements > kMostDrawnElements) break;
    }
    return elements;
}

ReadPicture readSvg(QIODevice& file) {
    if (file.size() > kMostSvgBytes) return {{}, PictureProblem::TooComplex};
    const QByteArray own = withoutOutsideReferences(file.readAll());
    const std::optional<double> elements = drawnElements(own);
    if (!elements) return {{}, PictureProblem::Damaged};
    if (*elements > kMostDrawnElements) return {{}, PictureProblem::TooComplex};

    QBuffer buffer;
    buffer.setData(own);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return {{}, PictureProblem::Damaged};
    if (!fitsPictureBounds(size.width(), size.height())) return {{}, PictureProblem::TooLarge};
    QImage image;
    if (!reader.read(&image) || image.isNull()) return {{}, PictureProblem::Damaged};
    return {std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied),
            PictureProblem::None};
}
