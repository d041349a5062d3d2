#include "report_cells.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "fw/text.h"
#include "internal.h"

namespace fwqt::detail {

namespace {

class ReportCells : public QSyntaxHighlighter {
public:
    explicit ReportCells(QTextDocument* doc) : QSyntaxHighlighter(doc) {}

protected:
    void highlightBlock(const QString& text) override {
        const QFont font = document()->defaultFont();
        QPaintDevice* device = document()->documentLayout()->paintDevice();
        if (font != m_font || device != m_device) {
            m_font = font;
            m_device = device;
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
        const QFontMetricsF fm = m_device ? QFontMetricsF(m_font, m_device) : QFontMetricsF(m_font);
        const qreal cell = fm.horizontalAdvance(QLatin1Char(' '));
        const qreal advance = fm.horizontalAdvance(c);
        const QByteArray utf8 = QString(c).toUtf8();
        const auto cells = static_cast<qreal>(fw::gbkWidth(std::string_view(utf8.constData(), utf8.size())));
        qreal s = 100;
        if (cell > 0 && advance > 0 && std::abs(advance - cells * cell) > cell / 1000)
            s = 100 * cells * cell / advance;
        m_spacing.insert(c.unicode(), s);
        return s;
    }

    QFont m_font;
    QPaintDevice* m_device = nullptr;   // measured on it (nullptr: the screen)
    QHash<char16_t, qreal> m_spacing;
};

}  // namespace

void fitReportCells(QTextDocument* doc) {
    if (!doc) return;
    auto* cells = doc->findChild<ReportCells*>(QString(), Qt::FindDirectChildrenOnly);
    if (!cells) cells = new ReportCells(doc);   // owned by the document
    cells->rehighlight();   // now, not from the event loop: a print lays out at once
}

int reportWidthInCells(const QTextDocument& doc) {
    int widest = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        int cells = 0;
        for (const QChar c : b.text()) {
            if (c == u'\t') {
                cells = (cells / 8 + 1) * 8;
            } else if (c.unicode() < 0x80) {
                cells += 1;
            } else if (c.isHighSurrogate()) {
                cells += 2;   // outside code page 936: counted as two cells
            } else if (!c.isLowSurrogate()) {
                const QByteArray utf8 = QString(c).toUtf8();
                cells += static_cast<int>(fw::gbkWidth(std::string_view(utf8.constData(), utf8.size())));
            }
        }
        widest = std::max(widest, cells);
    }
    return widest;
}

void prepareReportForPage(QTextDocument& doc, QPagedPaintDevice* device) {
    prepareReport(doc, device);
    // The cells are measured on the paper's own metrics.
    if (device) doc.documentLayout()->setPaintDevice(device);
    const int cells = reportWidthInCells(doc);
    if (device && cells > 0 && device->logicalDpiX() > 0) {
        // QTextDocument::print lays a document without a page size of its
        // own on the paintable page (a page without margins is given 2 mm
        // each side first) less a margin of 2 cm on each side.
        const qreal mm = device->logicalDpiX() / 25.4;
        qreal room = device->width() - 2 * 20 * mm;
        if (device->pageLayout().margins(QPageLayout::Millimeter).isNull()) room -= 2 * 2 * mm;
        for (int attempt = 0; attempt < 3; ++attempt) {
            const qreal cell = QFontMetricsF(doc.defaultFont(), device).horizontalAdvance(QLatin1Char(' '));
            if (cell <= 0 || cells * cell <= room * 0.995) break;
            const qreal smaller = std::max<qreal>(6, doc.defaultFont().pointSizeF() * room * 0.99 / (cells * cell));
            if (smaller >= doc.defaultFont().pointSizeF()) break;
            prepareReport(doc, device, smaller);
        }
    }
    fitReportCells(&doc);
}

}  // namespace fwqt::detail
