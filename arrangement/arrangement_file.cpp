// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrangement_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

#include "window_port.h"

namespace arrangement_file {

namespace {

constexpr char kFormat[] = "pokotamu-arrangement";
constexpr int kVersion = 1;
constexpr int kLongestPath = 4096;

QString relativeWhereBelow(const QString& file, const QDir& folder) {
    const QString relative = folder.relativeFilePath(file);
    const bool below = !relative.startsWith(QLatin1String("../")) &&
                       relative != QLatin1String("..") && !QDir::isAbsolutePath(relative);
    return below ? relative : file;
}

QJsonArray point(std::int32_t x, std::int32_t y) { return {x, y}; }

QJsonObject calibrationJson(const KeptCalibration& kept) {
    QJsonObject json{{"start", point(kept.startX, kept.startY)},
                     {"end", point(kept.endX, kept.endY)},
                     {"mmPerTwip", kept.mmPerTwip}};
    if (kept.lengthMm) json.insert("lengthMm", *kept.lengthMm);
    if (kept.drawingScale) json.insert("drawingScale", *kept.drawingScale);
    return json;
}

QJsonObject pictureJson(const KeptPicture& picture, const QDir& folder) {
    QJsonObject json{{"file", relativeWhereBelow(picture.file, folder)},
                     {"left", picture.left},
                     {"top", picture.top},
                     {"width", picture.width},
                     {"height", picture.height},
                     {"quarterTurns", picture.quarterTurns},
                     {"degrees", picture.degrees},
                     {"opacity", picture.opacity}};
    if (picture.pixels.isValid())
        json.insert("pixels", QJsonArray{picture.pixels.width(), picture.pixels.height()});
    if (picture.calibration) json.insert("calibration", calibrationJson(*picture.calibration));
    return json;
}

// The greatest scale the workflow stores: ten-thousandths in 64 bits.
constexpr double kLargestScale = 922337203685477.0;

// A scale or a length that no typed length could have given.
bool isPlausible(const KeptCalibration& kept) {
    const bool scale = std::isfinite(kept.mmPerTwip) && kept.mmPerTwip >= 0.00005 &&
                       kept.mmPerTwip <= kLargestScale;
    const bool length = !kept.lengthMm || (std::isfinite(*kept.lengthMm) && *kept.lengthMm > 0 &&
                                           *kept.lengthMm <= kLargestScale);
    return scale && length;
}

// Reads the members of an object, each checked against its bounds; the first value out of
// them is the problem, named by where it stands in the file.
class Fields {
public:
    Fields(const QJsonObject& object, QString where, QString& problem)
        : object_(object), where_(std::move(where)), problem_(problem) {}

    bool has(const char* key) const { return object_.contains(QLatin1String(key)); }

    double number(const char* key, double least, double most) {
        const QJsonValue value = object_.value(QLatin1String(key));
        const double number = value.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!value.isDouble() || !(number >= least && number <= most)) fail(key);
        return problem_.isEmpty() ? number : least;
    }
    int whole(const char* key, int least, int most) {
        const double value = number(key, least, most);
        if (value != std::floor(value)) fail(key);
        return problem_.isEmpty() ? int(value) : least;
    }
    bool flag(const char* key) {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (!value.isUndefined() && !value.isBool()) fail(key);
        return value.toBool();
    }
    std::optional<double> optionalNumber(const char* key) {
        if (!has(key)) return std::nullopt;
        return number(key, -std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
    }
    QString file(const char* key, const QDir& folder) {
        const QString text = object_.value(QLatin1String(key)).toString();
        if (text.isEmpty() || text.size() > kLongestPath || text.contains(QChar(0))) fail(key);
        return problem_.isEmpty() ? QDir::cleanPath(folder.absoluteFilePath(text)) : QString();
    }
    // One of the words given.
    QString text(const char* key, const QStringList& words) {
        const QString word = object_.value(QLatin1String(key)).toString();
        if (!words.contains(word)) fail(key);
        return problem_.isEmpty() ? word : words.front();
    }
    QJsonArray array(const char* key) {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (!value.isUndefined() && !value.isArray()) fail(key);
        return value.toArray();
    }
    // A member that is an object, read the same way.
    Fields child(const char* key) {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (!value.isObject()) fail(key);
        return Fields(value.toObject(), name(key), problem_);
    }
    std::pair<std::int32_t, std::int32_t> point(const char* key) {
        const QJsonArray pair = object_.value(QLatin1String(key)).toArray();
        if (pair.size() != 2) fail(key);
        Fields xy(QJsonObject{{"x", pair.at(0)}, {"y", pair.at(1)}}, name(key), problem_);
        constexpr int least = std::numeric_limits<std::int32_t>::min();
        constexpr int most = std::numeric_limits<std::int32_t>::max();
        return {xy.whole("x", least, most), xy.whole("y", least, most)};
    }
    QString name(const char* key) const {
        return where_.isEmpty() ? QString::fromLatin1(key) : where_ + u'.' + QLatin1String(key);
    }

    void fail(const char* key) {
        if (problem_.isEmpty())
            problem_ = QStringLiteral("%1 の値が正しくありません。").arg(name(key));
    }

private:
    QJsonObject object_;
    QString where_;
    QString& problem_;
};

KeptCalibration calibrationFrom(Fields& fields) {
    KeptCalibration kept;
    std::tie(kept.startX, kept.startY) = fields.point("start");
    std::tie(kept.endX, kept.endY) = fields.point("end");
    kept.mmPerTwip = fields.number("mmPerTwip", -std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::max());
    kept.lengthMm = fields.optionalNumber("lengthMm");
    if (fields.has("drawingScale"))
        kept.drawingScale = fields.whole("drawingScale", 1, kLargestDrawingScale);
    return kept;
}

// One calibration, if it is there; one that no input could have given is named in `notes`.
std::optional<KeptCalibration> calibrationIn(Fields& fields, const char* key, QStringList& notes) {
    if (!fields.has(key)) return std::nullopt;
    Fields calibration = fields.child(key);
    const KeptCalibration kept = calibrationFrom(calibration);
    if (isPlausible(kept)) return kept;
    notes << QStringLiteral("%1 の縮尺（%2 mm/twip、長さ %3 mm）はありえない値のため、使いません。")
                 .arg(fields.name(key))
                 .arg(kept.mmPerTwip)
                 .arg(kept.lengthMm ? QString::number(*kept.lengthMm) : QStringLiteral("なし"));
    return std::nullopt;
}

KeptPicture pictureFrom(Fields& fields, const QDir& folder, QStringList& notes) {
    constexpr double largest = kLargestControlExtent;
    KeptPicture picture;
    picture.file = fields.file("file", folder);
    picture.left = float(fields.number("left", -largest, largest));
    picture.top = float(fields.number("top", -largest, largest));
    // A rectangle the window can show: at least a twip, at most the largest control.
    picture.width = float(fields.number("width", 1, largest));
    picture.height = float(fields.number("height", 1, largest));
    picture.quarterTurns = fields.whole("quarterTurns", 0, 3);
    picture.degrees = fields.whole("degrees", -179, 180);
    picture.opacity = fields.number("opacity", 0.1, 1.0);
    if (fields.has("pixels")) {
        const auto [width, height] = fields.point("pixels");
        picture.pixels = {width, height};
        if (width < 1 || height < 1 || width > kLargestPictureSide ||
            height > kLargestPictureSide) {
            fields.fail("pixels");
        }
    }
    picture.calibration = calibrationIn(fields, "calibration", notes);
    return picture;
}

KeptCalibrations calibrationsFrom(Fields fields, QStringList& notes) {
    KeptCalibrations kept;
    kept.measureAlongLine = fields.flag("measureAlongLine");
    kept.foregroundResized = fields.flag("foregroundResized");
    kept.background = calibrationIn(fields, "background", notes);
    // A foreground's scale means nothing without the background's.
    if (kept.background) kept.foreground = calibrationIn(fields, "foreground", notes);
    kept.foregroundResized = kept.foregroundResized && kept.foreground;
    return kept;
}

// What stands as the version, said as it stands, beside the one this program reads.
QString versionProblem(const QJsonValue& version) {
    if (version.isDouble() && version.toDouble() == kVersion) return {};
    const QString read = QStringLiteral("読めるのは %1 です").arg(kVersion);
    if (version.isUndefined()) return QStringLiteral("version がありません（%1）。").arg(read);
    if (!version.isDouble()) {
        const QByteArray found =
            QJsonDocument(QJsonArray{version}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
        return QStringLiteral("version の値が正しくありません（%1 とあります。%2）。")
            .arg(QString::fromUtf8(found.left(40)), read);
    }
    return QStringLiteral("この版（%1）の配置ファイルは開けません（%2）。")
        .arg(version.toDouble())
        .arg(read);
}

}  // namespace

bool isArrangementFile(const QString& path) {
    return path.endsWith(u'.' + QLatin1String(kSuffix), Qt::CaseInsensitive);
}

QByteArray write(const Arrangement& arrangement, const QDir& folder) {
    QJsonObject calibrations{{"measureAlongLine", arrangement.calibrations.measureAlongLine},
                             {"foregroundResized", arrangement.calibrations.foregroundResized}};
    if (const auto& kept = arrangement.calibrations.background) {
        calibrations.insert("background", calibrationJson(*kept));
    }
    if (const auto& kept = arrangement.calibrations.foreground) {
        calibrations.insert("foreground", calibrationJson(*kept));
    }
    QJsonObject json{{"format", kFormat}, {"version", kVersion}, {"calibrations", calibrations}};
    if (!arrangement.background.isEmpty()) {
        json.insert("background", relativeWhereBelow(arrangement.background, folder));
    }
    // Pages are counted from 1, as the user counts them.
    if (arrangement.backgroundPage > 0) json.insert("backgroundPage", arrangement.backgroundPage + 1);
    if (arrangement.foreground)
        json.insert("foreground", pictureJson(*arrangement.foreground, folder));
    if (const std::optional<KeptPage>& page = arrangement.page) {
        json.insert("page", QJsonObject{{"paper", page->paper},
                                        {"landscape", page->landscape},
                                        {"scale", page->denominator}});
    }
    QJsonArray pieces;
    for (const KeptPicture& piece : arrangement.pieces) pieces.append(pictureJson(piece, folder));
    json.insert("pieces", pieces);
    // Indented to be read by people, unless only the compact form stays within what is read back.
    const QJsonDocument document(json);
    const QByteArray indented = document.toJson(QJsonDocument::Indented);
    return indented.size() <= kLargestBytes ? indented : document.toJson(QJsonDocument::Compact);
}

Reading read(const QByteArray& text, const QDir& folder) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        return {std::nullopt,
                QStringLiteral("JSON として読めません（%1 バイト目: %2）。")
                    .arg(error.offset + 1)
                    .arg(error.errorString()),
                {}};
    }
    const QJsonObject json = document.object();
    if (json.value("format").toString() != QLatin1String(kFormat)) {
        return {std::nullopt, QStringLiteral("ポコタムの配置ファイルではありません。"), {}};
    }
    if (const QString problem = versionProblem(json.value("version")); !problem.isEmpty()) {
        return {std::nullopt, problem, {}};
    }
    QString problem;
    QStringList notes;
    Fields fields(json, {}, problem);
    Arrangement arrangement;
    if (fields.has("background")) arrangement.background = fields.file("background", folder);
    if (fields.has("backgroundPage"))
        arrangement.backgroundPage = fields.whole("backgroundPage", 1, kMostPages) - 1;
    if (fields.has("calibrations"))
        arrangement.calibrations = calibrationsFrom(fields.child("calibrations"), notes);
    if (fields.has("foreground")) {
        Fields foreground = fields.child("foreground");
        arrangement.foreground = pictureFrom(foreground, folder, notes);
    }
    if (fields.has("page")) {
        Fields page = fields.child("page");
        arrangement.page = KeptPage{page.text("paper", {QStringLiteral("A4"), QStringLiteral("A3")}),
                                    page.flag("landscape"), page.whole("scale", 20, 100)};
        if (!QList<int>{20, 50, 100}.contains(arrangement.page->denominator)) page.fail("scale");
    }
    const QJsonArray pieces = fields.array("pieces");
    for (qsizetype i = 0; i < pieces.size() && problem.isEmpty(); ++i) {
        Fields piece(pieces.at(i).toObject(), QStringLiteral("pieces[%1]").arg(i), problem);
        arrangement.pieces.push_back(pictureFrom(piece, folder, notes));
    }
    if (!problem.isEmpty()) return {std::nullopt, problem, {}};
    return {std::move(arrangement), {}, notes};
}

Reading readFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {std::nullopt, QStringLiteral("ファイルがありません。"), {}};
    // Not a device, a pipe or a folder: only a file has an end to read to.
    if (!info.isFile())
        return {std::nullopt, QStringLiteral("ふつうのファイルではありません。"), {}};
    if (info.size() > kLargestBytes) {
        return {std::nullopt,
                QStringLiteral("配置ファイルとしては大きすぎます（%1 バイト、%2 バイトまで）。")
                    .arg(info.size())
                    .arg(kLargestBytes),
                {}};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, QStringLiteral("開けません（%1）。").arg(file.errorString()), {}};
    }
    return read(file.read(kLargestBytes + 1).left(kLargestBytes), info.absoluteDir());
}

}  // namespace arrangement_file
