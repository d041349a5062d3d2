#include "report_cells.h"

#include <QFontMetricsF>
#include <QHash>
#include <QSyntaxHighlighter>
#include <QTextDocument>
#include <cmath>

#include "fw/text.h"

namespace fwqt::detail {

namespace {

class ReportCells : public QSyntaxHighlighter {
public:
    explicit ReportCells(QTextDocument* doc) : QSyntaxHighlighter(doc) {}

protected:
    void highlightBlock(const QString& text) override {
        const QFont font = document()->defaultFont();
        if (font != m_font) {
            m_font = font;
            m_spacing.clear();
        }
        int start = -1;
        qreal runSpacing = 100;
        auto flush = [&](int end) {
            if (start >= 0 && runSpacing != 100) {
                QTextCharFormat f;
                f.setFontLetterSpacingType(QFont::PercentageSpacing);
                f.setFontLetterSpacing(runSpacing);
                setFormat(start, end - start, f);
            }
            start = -1;
        };
        for (int i = 0; i < text.size(); ++i) {
            const qreal s = spacingOf(text.at(i));
            if (start >= 0 && s == runSpacing) continue;
            flush(i);
            start = i;
            runSpacing = s;
        }
        flush(static_cast<int>(text.size()));
    }

private:
    // The letter spacing (percent of its own advance) that gives c its cells.
    qreal spacingOf(QChar c) {
        if (c.unicode() < 0x80 || c.isSurrogate()) return 100;
        auto it = m_spacing.constFind(c.unicode());
        if (it != m_spacing.constEnd()) return *it;
        const QFontMetricsF fm(m_font);
        const qreal cell = fm.horizontalAdvance(QLatin1Char(' '));
        const qreal advance = fm.horizontalAdvance(c);
        const QByteArray utf8 = QString(c).toUtf8();
        const auto cells = static_cast<qreal>(fw::gbkWidth(std::string_view(utf8.constData(), utf8.size())));
        qreal s = 100;
        if (cell > 0 && advance > 0 && std::abs(advance - cells * cell) > cell / 100)
            s = 100 * cells * cell / advance;
        m_spacing.insert(c.unicode(), s);
        return s;
    }

    QFont m_font;
    QHash<char16_t, qreal> m_spacing;
};

}  // namespace

void fitReportCells(QTextDocument* doc) {
    if (!doc) return;
    auto* cells = doc->findChild<ReportCells*>(QString(), Qt::FindDirectChildrenOnly);
    if (!cells) cells = new ReportCells(doc);   // owned by the document
    cells->rehighlight();   // now, not from the event loop: a print lays out at once
}

}  // namespace fwqt::detail
