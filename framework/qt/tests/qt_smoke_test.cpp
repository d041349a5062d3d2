// Smoke tests of the Qt backend on the offscreen platform: real widgets
// driven with real key and mouse events while the modal loop runs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "fw/format.h"
#include "fw/registry.h"
#include "../help_viewer.h"
#include "../internal.h"
#include "../report_cells.h"
#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QScreen>
#include <QTextFrame>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextBrowser>
#include "fw/fw.h"
#include "fwqt/qt_backend.h"

namespace {

enum : int {
    IDD_FORM = 100, IDD_SLIDER = 101, IDD_PAGE1 = 110, IDD_PAGE2 = 111, IDD_PAGE3 = 112,
    IDC_A = 10, IDC_B = 11, IDC_GO = 20, IDC_TB = 30, IDC_P = 40,
};

const fw::Module& smokeModule() {
    static fw::Module m = [] {
        using namespace fw;
        Module mod("qt-smoke");
        mod.addDialog({.id = IDD_FORM, .caption = "表单", .body = {
            field("齿数 z =", IDC_A), field("模数 m =", IDC_B, "mm"),
            row({button(IDC_GO, "&G 计算"), defButton(IDOK, "确定"), button(IDCANCEL, "取消")})}});
        mod.addDialog({.id = IDD_SLIDER, .caption = "滑块", .body = {
            trackbar(IDC_TB), row({defButton(IDOK, "确定"), button(IDCANCEL, "取消")})}});
        mod.addDialog({.id = IDD_PAGE1, .caption = "第一步", .body = {field("a =", IDC_P)}});
        mod.addDialog({.id = IDD_PAGE2, .caption = "第二步", .body = {field("b =", IDC_P)}});
        mod.addDialog({.id = IDD_PAGE3, .caption = "第三步", .body = {field("c =", IDC_P)}});
        return mod;
    }();
    return m;
}

// One QApplication for the whole program, in a locale with a decimal comma
// (when the machine has one), so the test below can see it put back.
struct QtFixture : ::testing::Test {
    static void SetUpTestSuite() {
        static fwqt::Application* app = nullptr;
        if (app) return;
        // ctest passes these too; set here so the program also runs alone.
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        ::setenv("XDG_RUNTIME_DIR", FWQT_RUNTIME_DIR, 0);
        if (const char* dir = std::getenv("XDG_RUNTIME_DIR")) {
            std::error_code ec;
            std::filesystem::create_directories(dir, ec);
            ::chmod(dir, 0700);
        }
        if (std::setlocale(LC_ALL, "de_DE.UTF-8")) ::setenv("LC_ALL", "de_DE.UTF-8", 1);
        static int argc = 1;
        static char name[] = "framework_qt_test";
        static char* argv[] = {name, nullptr};
        app = new fwqt::Application(argc, argv);   // lives until exit
    }
    void SetUp() override { m_previous = fw::setBackend(&backend); }
    void TearDown() override { fw::setBackend(m_previous); }
    // Runs action once the next dialog or sheet is up.
    void whenShown(std::function<void(fw::Window&, QWidget*)> action) {
        backend.setShownHook([this, action](fw::Window& w, QWidget* top) {
            backend.setShownHook({});
            QTimer::singleShot(0, top, [action, &w, top] { action(w, top); });
        });
    }
    fwqt::QtBackend backend;
    fw::Backend* m_previous = nullptr;
};

QWidget* widget(const fw::Dialog& d, int id) { return fwqt::QtBackend::widgetOf(d.item(id)); }

class FormDlg : public fw::Dialog {
public:
    FormDlg() : fw::Dialog(smokeModule(), IDD_FORM) {
        onKillFocus(IDC_A, [this] { log.push_back("kill " + text(IDC_A)); });
        onChange(IDC_A, [this] { log.push_back("change"); });
        onSetFocus(IDC_B, [this] { log.push_back("setfocus b"); });
        onClick(IDC_GO, [this] { log.push_back("click"); });
    }
    std::vector<std::string> log;
};

TEST_F(QtFixture, TypingThenTabDeliversKillFocusBeforeTheNextClick) {
    FormDlg dlg;
    whenShown([&](fw::Window&, QWidget*) {
        QWidget* a = widget(dlg, IDC_A);
        QTest::keyClicks(a, "42");
        QTest::keyClick(a, Qt::Key_Tab);
        QTest::mouseClick(widget(dlg, IDC_GO), Qt::LeftButton);
        dlg.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    // Two keystrokes, two changes; the Tab leaves the field (kill-focus with
    // the whole text) and enters the next one; then the click.
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"change", "change", "kill 42", "setfocus b", "click"}));
    EXPECT_EQ(dlg.text(IDC_A), "42");
}

// The program disables or hides the field being typed in: Qt moves its
// keyboard focus on, but that is no move of the user's. The field is checked
// when the user goes on, not before.
TEST_F(QtFixture, DisablingTheFocusedFieldChecksNothingUntilTheUserMoves) {
    for (const bool hide : {false, true}) {
        FormDlg dlg;
        std::vector<std::string> before;
        whenShown([&](fw::Window&, QWidget*) {
            QWidget* a = widget(dlg, IDC_A);
            QTest::keyClicks(a, "42");
            if (hide) dlg.show(IDC_A, false);
            else dlg.enable(IDC_A, false);
            EXPECT_EQ(dlg.focusId(), IDC_A);
            EXPECT_FALSE(widget(dlg, IDC_B)->hasFocus());
            before = dlg.log;
            QTest::mouseClick(widget(dlg, IDC_B), Qt::LeftButton);
            dlg.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(before, (std::vector<std::string>{"change", "change"})) << (hide ? "hidden" : "disabled");
        EXPECT_EQ(dlg.log, (std::vector<std::string>{"change", "change", "kill 42", "setfocus b"}))
            << (hide ? "hidden" : "disabled");
    }
}

TEST_F(QtFixture, FieldsAreNamedForScreenReaders) {
    FormDlg dlg;
    QString name, description, unit, object;
    whenShown([&](fw::Window&, QWidget* top) {
        QWidget* b = widget(dlg, IDC_B);
        name = b->accessibleName();
        description = b->accessibleDescription();
        object = b->objectName();
        for (auto* l : top->findChildren<QLabel*>())
            if (l->buddy() == b) unit = l->text();
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(name.toStdString(), "模数 m");          // the label's text, without its "="
    EXPECT_EQ(object.toStdString(), "id11");          // the control's id names the widget ...
    EXPECT_EQ(description.toStdString(), "");         // ... and is nothing a screen reader reads out
    EXPECT_EQ(unit.toStdString(), "模数 m =");        // the label is the field's buddy
}

TEST_F(QtFixture, KillFocusAnsweredWithABoxDropsTheClick) {
    FormDlg dlg;
    int boxes = 0;
    dlg.onKillFocus(IDC_A, [&] {
        ++boxes;
        fw::MessageBox("请输入齿数", MB_ICONEXCLAMATION);
    });
    whenShown([&](fw::Window&, QWidget*) {
        QTest::keyClicks(widget(dlg, IDC_A), "x");
        // Answer the box as soon as it is up.
        std::function<void()> answer = [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->buttons().front()->click();
                return;
            }
            QTimer::singleShot(10, answer);
        };
        QTimer::singleShot(10, answer);
        QTest::mouseClick(widget(dlg, IDC_GO), Qt::LeftButton);
        QTest::qWait(50);
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(std::count(dlg.log.begin(), dlg.log.end(), "click"), 0);
    EXPECT_EQ(dlg.focusId(), IDC_A);
}

TEST_F(QtFixture, TrackbarClickInTheChannelMovesAPageAndReleases) {
    fw::Dialog dlg(smokeModule(), IDD_SLIDER);
    std::vector<int> released;
    dlg.onReleased(IDC_TB, [&] { released.push_back(dlg.trackbar(IDC_TB).pos()); });
    whenShown([&](fw::Window&, QWidget*) {
        auto& tb = dlg.trackbar(IDC_TB);
        tb.setRange(0, 200);
        tb.setPageSize(20);
        tb.setPos(100);
        auto* s = static_cast<QSlider*>(widget(dlg, IDC_TB));
        dlg.setFocus(IDOK);
        QStyleOptionSlider opt;
        opt.initFrom(s);
        opt.orientation = s->orientation();
        opt.minimum = s->minimum();
        opt.maximum = s->maximum();
        opt.sliderPosition = opt.sliderValue = s->value();
        QRect handle = s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s);
        QPoint right(s->width() - 3, handle.center().y());
        QTest::mouseClick(s, Qt::LeftButton, {}, right);
        // The click gave the slider the focus, in the model too.
        EXPECT_TRUE(s->hasFocus());
        EXPECT_EQ(dlg.focusId(), IDC_TB);
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
    // One page (20) to the right of 100, then released once.
    EXPECT_EQ(released, (std::vector<int>{120}));
}

// Keys move the thumb a line, a page or to an end; Tab reaches the slider
// and leaves it. Every move is let go at once.
TEST_F(QtFixture, TrackbarMovesByKeysAndIsReachedByTab) {
    fw::Dialog dlg(smokeModule(), IDD_SLIDER);
    std::vector<int> released;
    dlg.onReleased(IDC_TB, [&] { released.push_back(dlg.trackbar(IDC_TB).pos()); });
    whenShown([&](fw::Window&, QWidget*) {
        auto& tb = dlg.trackbar(IDC_TB);
        tb.setRange(0, 200);
        tb.setPageSize(20);
        tb.setPos(100);
        auto* s = static_cast<QSlider*>(widget(dlg, IDC_TB));
        auto* cancel = widget(dlg, IDCANCEL);
        dlg.setFocus(IDCANCEL);
        QTest::keyClick(cancel, Qt::Key_Tab);   // past the last control: the first, the slider
        ASSERT_TRUE(s->hasFocus());
        EXPECT_EQ(dlg.focusId(), IDC_TB);
        const struct { Qt::Key key; int pos; } keys[] = {
            {Qt::Key_Right, 101}, {Qt::Key_Down, 102}, {Qt::Key_Left, 101}, {Qt::Key_Up, 100},
            {Qt::Key_PageDown, 120}, {Qt::Key_PageUp, 100}, {Qt::Key_End, 200}, {Qt::Key_Right, 200},
            {Qt::Key_Home, 0}, {Qt::Key_Up, 0},
        };
        for (const auto& k : keys) {
            QTest::keyClick(s, k.key);
            EXPECT_EQ(tb.pos(), k.pos) << QTest::toString(k.key);
            EXPECT_EQ(s->value(), k.pos) << QTest::toString(k.key);
        }
        QTest::keyClick(s, Qt::Key_Tab);
        EXPECT_EQ(dlg.focusId(), IDOK);
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
    EXPECT_EQ(released, (std::vector<int>{101, 102, 101, 100, 120, 100, 200, 200, 0, 0}));
}

class Step : public fw::PropertyPage {
public:
    Step(int id, unsigned buttons) : fw::PropertyPage(smokeModule(), id), m_buttons(buttons) {}
    bool OnSetActive() override {
        sheet()->SetWizardButtons(m_buttons);
        return fw::PropertyPage::OnSetActive();
    }
    int OnWizardNext() override { return refuseOnce ? (refuseOnce = false, -1) : 0; }
    bool refuseOnce = false;

private:
    unsigned m_buttons;
};

TEST_F(QtFixture, WizardWalkEndsWithFinish) {
    Step p1(IDD_PAGE1, PSWIZB_NEXT), p2(IDD_PAGE2, PSWIZB_BACK | PSWIZB_NEXT), p3(IDD_PAGE3, PSWIZB_BACK | PSWIZB_FINISH);
    p1.refuseOnce = true;
    fw::PropertySheet sheet("向导");
    sheet.AddPage(&p1);
    sheet.AddPage(&p2);
    sheet.AddPage(&p3);
    sheet.SetWizardMode();
    std::vector<int> pages;
    whenShown([&](fw::Window&, QWidget* top) {
        auto press = [&](int id) {
            auto* b = top->findChild<QPushButton*>(QStringLiteral("sheet-%1").arg(id));
            ASSERT_TRUE(b && b->isVisible() && b->isEnabled()) << "button " << id;
            QTest::mouseClick(b, Qt::LeftButton);
            pages.push_back(sheet.GetActiveIndex());
        };
        press(ID_WIZNEXT);   // refused by page 1's OnWizardNext
        press(ID_WIZNEXT);
        press(ID_WIZBACK);
        press(ID_WIZNEXT);
        press(ID_WIZNEXT);
        press(ID_WIZFINISH);
    });
    EXPECT_EQ(sheet.DoModal(), 12325);   // ID_WIZFINISH
    EXPECT_EQ(pages, (std::vector<int>{0, 1, 0, 1, 2, 2}));
}

TEST_F(QtFixture, NumbersKeepTheDecimalPointAfterQtStarts) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", 3.14159);
    EXPECT_STREQ(buf, "3.14");
    EXPECT_EQ(fw::format("%.2f", 2.5), "2.50");
    EXPECT_EQ(fw::parseNumber("1.25"), 1.25);
}

// The help window opens the page of a topic, the mapped page of a context
// number, and the contents for the table of contents or unknown numbers.
TEST(HelpPages, RequestsOpenTheirPages) {
    const std::map<unsigned long, std::string> map{{0x20000 + 1000, "CyPreDlg.htm"}};
    struct Case {
        const char* target;
        unsigned command;
        std::uintptr_t data;
        const char* page;
    } cases[] = {
        {"Kavrin.chm::/CyPreDlg.htm", HH_DISPLAY_TOPIC, 0, "CyPreDlg.htm"},
        {"Kavrin.chm::/about-help.htm#keys", HH_DISPLAY_TOPIC, 0, "about-help.htm#keys"},
        {"Kavrin.chm", HH_DISPLAY_TOPIC, 0, "index.htm"},
        {"Kavrin.chm", HH_DISPLAY_TOC, 0, "index.htm"},
        {"Kavrin.chm", HH_HELP_CONTEXT, 0x20000 + 1000, "CyPreDlg.htm"},
        {"Kavrin.chm", HH_HELP_CONTEXT, 0x29999, "index.htm"},   // not in the map
    };
    for (const auto& c : cases)
        EXPECT_EQ(fwqt::helpPageFor({c.target, c.command, c.data}, map), c.page) << c.target << " " << c.data;
}

TEST(HelpPages, ContextMapReadsSumsAndSkipsComments) {
    auto dir = std::filesystem::path(std::getenv("KAVRIN_TEST_TMP") ? std::getenv("KAVRIN_TEST_TMP") : "/tmp") / "qt-help";
    std::filesystem::create_directories(dir);
    {
        std::FILE* f = std::fopen((dir / "map.txt").c_str(), "w");
        std::fputs("# comment\n0x20000+1000 CyPreDlg.htm\r\n\n0x22354 Limit.htm\nbad Line.htm\n", f);
        std::fclose(f);
    }
    auto map = fwqt::readContextMap(dir / "map.txt");
    EXPECT_EQ(map, (std::map<unsigned long, std::string>{{0x203E8, "CyPreDlg.htm"}, {0x22354, "Limit.htm"}}));
}

TEST(HelpPages, ShippedContextMapNamesExistingPages) {
    const std::filesystem::path pages = std::filesystem::path(KAVRIN_SOURCE_DIR) / "help/pages";
    auto map = fwqt::readContextMap(pages / "context-map.txt");
    for (const auto& [n, page] : map) EXPECT_TRUE(std::filesystem::exists(pages / page)) << std::hex << n << " " << page;
}

}  // namespace

namespace {

// The help window shows the page a topic names, from the installation
// folder the registry gives.
TEST_F(QtFixture, HelpTopicOpensItsPageInTheHelpWindow) {
    const auto home = std::filesystem::path(std::getenv("KAVRIN_TEST_TMP") ? std::getenv("KAVRIN_TEST_TMP") : "/tmp") / "qt-help-home";
    std::filesystem::create_directories(home / "help");
    std::filesystem::copy(std::filesystem::path(KAVRIN_SOURCE_DIR) / "help/pages", home / "help",
                          std::filesystem::copy_options::overwrite_existing | std::filesystem::copy_options::recursive);
    ASSERT_TRUE(fw::registry::writeMachineFile(home / "machine.reg", home, home / "docs"));
    ::setenv("KAVRIN_MACHINE_REGISTRY", (home / "machine.reg").c_str(), 1);
    fw::registry::reload();
    fw::htmlHelp("Kavrin.chm::/about-help.htm");
    auto& viewer = backend.helpViewer();
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(viewer.pageBrowser()->source().toLocalFile().endsWith("about-help.htm"));
    EXPECT_TRUE(viewer.pageBrowser()->toPlainText().contains(QStringLiteral("关于本帮助")));
    fw::htmlHelp("Kavrin.chm", HH_HELP_CONTEXT, 0x2ffff);   // unknown: the contents
    EXPECT_TRUE(viewer.pageBrowser()->source().toLocalFile().endsWith("index.htm"));
    viewer.close();
    ::unsetenv("KAVRIN_MACHINE_REGISTRY");
    fw::registry::reload();
}

// A report's columns line up alike in the window and on paper: tab stops
// every 8 cells of the fixed-pitch report font, measured on each device.
TEST_F(QtFixture, ReportTabStopsAreEightCellsOnScreenAndOnPaper) {
    const char* base = std::getenv("KAVRIN_TEST_TMP");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromUtf8(base ? base : "/tmp") + QStringLiteral("/tabs.pdf"));
    for (QPaintDevice* device : {static_cast<QPaintDevice*>(nullptr), static_cast<QPaintDevice*>(&printer)}) {
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("\tz1 = 20\tz2 = 40"));
        fwqt::detail::prepareReport(doc, device);
        if (device) doc.documentLayout()->setPaintDevice(device);
        doc.setTextWidth(100000);
        (void)doc.size();   // lays the text out
        QTextLine line = doc.begin().layout()->lineAt(0);
        const QFontMetricsF fm = device ? QFontMetricsF(doc.defaultFont(), device) : QFontMetricsF(doc.defaultFont());
        const qreal cell = fm.horizontalAdvance(QLatin1Char(' '));
        EXPECT_NEAR(line.cursorToX(1) / cell, 8.0, 0.05) << (device ? "paper" : "screen");
        EXPECT_NEAR(line.cursorToX(9) / cell, 16.0, 0.05) << (device ? "paper" : "screen");
    }
}

// A report's columns were written in code page 936 cells: a Greek letter,
// °′″ or — (two bytes there) takes two cells like a Chinese character, in
// the window's layout and on paper alike (the print path: prepareReport,
// then fitReportCells). Each line has 8 cells before its '|'.
TEST_F(QtFixture, ReportDoubleByteCharactersTakeTwoCellsOnScreenAndOnPaper) {
    const QStringList lines = {QStringLiteral("ab cdefg|"),       QString::fromUtf8("αn cdef|"),
                               QString::fromUtf8("βm° ab|"),       QString::fromUtf8("°2′3″|"),
                               QString::fromUtf8("齿轮 cde|"),     QString::fromUtf8("————|"),
                               QString::fromUtf8("\tεα=|")};
    const char* base = std::getenv("KAVRIN_TEST_TMP");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromUtf8(base ? base : "/tmp") + QStringLiteral("/cells.pdf"));
    for (QPaintDevice* device : {static_cast<QPaintDevice*>(nullptr), static_cast<QPaintDevice*>(&printer)}) {
        const char* where = device ? "paper" : "screen";
        QTextDocument doc;
        doc.setPlainText(lines.join(u'\n'));
        fwqt::detail::prepareReport(doc, device);
        fwqt::detail::fitReportCells(&doc);
        if (device) doc.documentLayout()->setPaintDevice(device);
        doc.setTextWidth(100000);
        (void)doc.size();
        const QFontMetricsF fm = device ? QFontMetricsF(doc.defaultFont(), device) : QFontMetricsF(doc.defaultFont());
        const qreal cell = fm.horizontalAdvance(QLatin1Char(' '));
        QTextBlock b = doc.begin();
        for (const QString& line : lines) {
            ASSERT_TRUE(b.isValid());
            const int bar = static_cast<int>(line.indexOf(u'|'));
            // The tab goes to cell 8, "εα=" adds 5 cells.
            const qreal want = line.startsWith(u'\t') ? 13 : 8;
            EXPECT_NEAR(b.layout()->lineAt(0).cursorToX(bar) / cell, want, 0.05) << where << ": " << line.toStdString();
            b = b.next();
        }
    }
}

// A report wider than the paper's text width (the bevel rating's force
// formulas run to about 105 cells) is printed in a smaller font, never
// wrapped: laid out as QTextDocument::print lays it (a copy with the
// layout's formats, on the printer, 2 cm margins, the printer's page), each
// line stays one line and each '|' stays at cell 100. A narrow report keeps
// the window's font size.
TEST_F(QtFixture, ReportWiderThanThePageIsPrintedSmallerNotWrapped) {
    const QString tail = QStringLiteral("1074.0937 N");
    const QStringList wide = {QString(100, u'x') + u'|' + tail, QString(12, u'\t') + QString::fromUtf8("β°|") + tail,
                              QString(50, QChar(0x03b1)) + u'|' + tail,   // α
                              QString(48, QChar(0x9f7f)) + QString::fromUtf8("εβ|") + tail};   // 齿
    const char* base = std::getenv("KAVRIN_TEST_TMP");
    struct Case {
        const char* name;
        QStringList lines;
        int barCell;
        bool smaller;
    } cases[] = {
        {"a report of 112 cells", wide, 100, true},
        {"a report of 20 cells", {QStringLiteral("\tz1 = 20|"), QString::fromUtf8("\tβm = 2|")}, 15, false},
    };
    for (const auto& c : cases) {
        for (bool withMargins : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (withMargins ? ", printer margins 10 mm" : ", no printer margins"));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromUtf8(base ? base : "/tmp") + QStringLiteral("/wide.pdf"));
            printer.setPageMargins(withMargins ? QMarginsF(10, 10, 10, 10) : QMarginsF(), QPageLayout::Millimeter);
            QTextDocument doc;
            doc.setPlainText(c.lines.join(u'\n'));
            fwqt::detail::prepareReportForPage(doc, &printer);
            const qreal points = doc.defaultFont().pointSizeF();
            if (c.smaller) {
                EXPECT_LT(points, fwqt::detail::reportFont().pointSizeF());
                EXPECT_GE(points, 6.0);
            } else {
                EXPECT_EQ(points, fwqt::detail::reportFont().pointSizeF());
            }
            // What print() does with a document of no page size.
            if (!withMargins) printer.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);
            std::unique_ptr<QTextDocument> paper(doc.clone());
            for (QTextBlock from = doc.begin(), to = paper->begin(); from.isValid() && to.isValid();
                 from = from.next(), to = to.next())
                to.layout()->setFormats(from.layout()->formats());
            paper->documentLayout()->setPaintDevice(&printer);
            const qreal screenDpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
            QTextFrameFormat frame = paper->rootFrame()->frameFormat();
            frame.setMargin(static_cast<int>((2 / 2.54) * screenDpi));
            paper->rootFrame()->setFrameFormat(frame);
            paper->setPageSize(QSizeF(printer.width(), printer.height()));
            (void)paper->size();
            const qreal cell = QFontMetricsF(paper->defaultFont(), &printer).horizontalAdvance(QLatin1Char(' '));
            QTextBlock b = paper->begin();
            for (const QString& line : c.lines) {
                ASSERT_TRUE(b.isValid());
                EXPECT_EQ(b.layout()->lineCount(), 1) << "wrapped: " << line.toStdString();
                const int bar = static_cast<int>(line.indexOf(u'|'));
                EXPECT_NEAR(b.layout()->lineAt(0).cursorToX(bar) / cell, c.barCell, 0.05) << line.toStdString();
                b = b.next();
            }
        }
    }
}

}  // namespace
