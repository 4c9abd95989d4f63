// SPDX-License-Identifier: GPL-3.0-or-later
#include "svg_own_parts.h"

#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <vector>

namespace {

bool startsWithCaseless(QStringView text, qsizetype at, QStringView word) {
    return text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

// CSS with each url() that names anything but a part of this drawing emptied and each @import
// made an unknown rule, in one pass.
QString withoutOutsideStyleReferences(QStringView css) {
    QString out;
    out.reserve(css.size());
    for (qsizetype i = 0; i < css.size();) {
        if (startsWithCaseless(css, i, u"@import")) {
            out += u"@ignored";
            i += 7;
        } else if (startsWithCaseless(css, i, u"url(")) {
            qsizetype inside = i + 4;
            while (inside < css.size() &&
                   (css[inside].isSpace() || css[inside] == u'"' || css[inside] == u'\'')) {
                ++inside;
            }
            if (inside < css.size() && css[inside] == u'#') {
                out += css.mid(i, inside - i);  // a part of this drawing
                i = inside;
            } else {
                const qsizetype close = css.indexOf(u')', inside);
                out += u"url(#)";
                i = close < 0 ? css.size() : close + 1;
            }
        } else {
            out += css[i++];
        }
    }
    return out;
}

// Data inside the drawing may be a picture, but not a drawing of its own, whose references
// nothing here would see.
bool isOwnReference(QStringView value) {
    const QStringView trimmed = value.trimmed();
    if (trimmed.startsWith(u'#')) return true;
    if (!startsWithCaseless(trimmed, 0, u"data:")) return false;
    const qsizetype typeEnd = trimmed.indexOf(u',');
    const QStringView type = trimmed.mid(5, typeEnd < 0 ? -1 : typeEnd - 5);
    return !type.contains(u"svg", Qt::CaseInsensitive) &&
           !type.contains(u"xml", Qt::CaseInsensitive);
}

// One element of the drawing: what it sits in, and the part it draws again if it is a use.
struct Element {
    int parent;
    QString useTarget;
};

// Each element draws itself, the elements inside it and, for a use, its target once more with
// all that is inside that. Worked out from the innermost outwards without recursion: a file can
// nest as deep as it likes.
std::optional<double> countDrawn(const std::vector<Element>& elements,
                                 const QHash<QString, int>& byId, double bound) {
    const int count = int(elements.size());
    std::vector<int> firstChild(count + 1, 0), children;
    for (const Element& e : elements) {
        if (e.parent >= 0) ++firstChild[e.parent + 1];
    }
    for (int i = 0; i < count; ++i) firstChild[i + 1] += firstChild[i];
    children.resize(firstChild[count]);
    std::vector<int> filled(firstChild.begin(), firstChild.end() - 1);
    std::vector<int> target(count, -1);
    for (int i = 0; i < count; ++i) {
        if (elements[i].parent >= 0) children[filled[elements[i].parent]++] = i;
        if (!elements[i].useTarget.isEmpty()) target[i] = byId.value(elements[i].useTarget, -1);
    }

    enum : char { Unseen, Open, Done };
    std::vector<char> state(count, Unseen);
    std::vector<double> drawn(count, 0);
    std::vector<std::pair<int, int>> stack;  // an element, and the next of its parts to count
    auto parts = [&](int e) { return firstChild[e + 1] - firstChild[e] + (target[e] >= 0); };
    auto part = [&](int e, int k) {
        const int own = firstChild[e + 1] - firstChild[e];
        return k < own ? children[firstChild[e] + k] : target[e];
    };
    for (int root = 0; root < count; ++root) {
        if (elements[root].parent >= 0 || state[root] == Done) continue;
        stack.push_back({root, 0});
        state[root] = Open;
        while (!stack.empty()) {
            auto& [e, next] = stack.back();
            if (next < parts(e)) {
                const int p = part(e, next++);
                if (state[p] == Open) return std::nullopt;  // a circle
                if (state[p] == Unseen) {
                    state[p] = Open;
                    stack.push_back({p, 0});
                }
                continue;
            }
            double sum = 1;
            for (int k = 0; k < parts(e); ++k) sum += drawn[part(e, k)];
            drawn[e] = std::min(sum, bound + 1);  // beyond the bound, how far no longer matters
            state[e] = Done;
            stack.pop_back();
        }
    }
    double total = 0;
    for (int e = 0; e < count; ++e) {
        if (elements[e].parent < 0) total = std::min(total + drawn[e], bound + 1);
    }
    return total;
}

}  // namespace

OwnDrawing ownDrawing(const QByteArray& svg, double elementBound) {
    QXmlStreamReader xml(svg);
    QByteArray rewritten;
    QXmlStreamWriter out(&rewritten);
    std::vector<Element> elements;
    QHash<QString, int> byId;
    std::vector<int> open;
    bool inStyle = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
            case QXmlStreamReader::StartDocument:
                out.writeStartDocument();
                break;
            case QXmlStreamReader::StartElement: {
                out.writeStartElement(xml.qualifiedName().toString());
                for (const QXmlStreamNamespaceDeclaration& ns : xml.namespaceDeclarations()) {
                    out.writeAttribute(ns.prefix().isEmpty()
                                           ? QStringLiteral("xmlns")
                                           : QStringLiteral("xmlns:") + ns.prefix().toString(),
                                       ns.namespaceUri().toString());
                }
                QString useTarget;
                for (const QXmlStreamAttribute& a : xml.attributes()) {
                    QString value = a.value().toString();
                    if (a.name() == u"href") {
                        if (!isOwnReference(value)) value = QStringLiteral("#");
                        if (xml.name() == u"use" && value.startsWith(u'#'))
                            useTarget = value.mid(1);
                    } else {
                        value = withoutOutsideStyleReferences(value);
                    }
                    out.writeAttribute(a.qualifiedName().toString(), value);
                }
                const int index = int(elements.size());
                elements.push_back({open.empty() ? -1 : open.back(), useTarget});
                if (const QStringView id = xml.attributes().value(QStringLiteral("id"));
                    !id.isEmpty()) {
                    byId.insert(id.toString(), index);  // the last of equal ids, as Qt's renderer
                }
                open.push_back(index);
                inStyle = xml.name() == u"style";
                break;
            }
            case QXmlStreamReader::EndElement:
                out.writeEndElement();
                open.pop_back();
                inStyle = false;
                break;
            case QXmlStreamReader::Characters:
                out.writeCharacters(inStyle ? withoutOutsideStyleReferences(xml.text())
                                            : xml.text().toString());
                break;
            default:  // no document type, comment, processing instruction or unknown entity
                break;
        }
    }
    if (xml.hasError()) return {{}, std::nullopt};
    out.writeEndDocument();
    return {rewritten, countDrawn(elements, byId, elementBound)};
}
