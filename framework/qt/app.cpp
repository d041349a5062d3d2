#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <cstdlib>

#include "fwqt/qt_backend.h"

namespace fwqt {

namespace {

const char* const kCjkFamily = "WenQuanYi Micro Hei";
const char* const kCjkFiles[] = {"/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
                                 "/usr/share/fonts/wqy-microhei/wqy-microhei.ttc"};

// Qt's own dialogs (file dialog, print dialog) in Chinese.
void installTranslation() {
    auto* t = new QTranslator(qApp);
    const QString dirs[] = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                            QStringLiteral("/usr/share/qt6/translations")};
    for (const QString& dir : dirs) {
        if (t->load(QStringLiteral("qtbase_zh_CN"), dir)) {
            QCoreApplication::installTranslator(t);
            return;
        }
    }
    delete t;
}

// Chinese text must never show as boxes, even on the offscreen platform
// (which sees only the fonts it is given).
void ensureCjkFont() {
    if (!QFontDatabase::hasFamily(QString::fromUtf8(kCjkFamily))) {
        for (const char* f : kCjkFiles)
            if (QFile::exists(QString::fromUtf8(f)) && QFontDatabase::addApplicationFont(QString::fromUtf8(f)) >= 0) break;
    }
    QFont font(QString::fromStdString(Application::fallbackFamily()));
    font.setPointSize(9);
    QApplication::setFont(font);
}

}  // namespace

Application::Application(int& argc, char** argv) {
    // Qt's own dialogs show dates, times and sizes the Chinese way (the file
    // dialog's details take them from the system locale); numbers stay C below.
    if (!QApplication::instance() && !std::getenv("LC_ALL")) ::setenv("LC_TIME", "zh_CN.UTF-8", 1);
    if (!QApplication::instance()) m_owned = std::make_unique<QApplication>(argc, argv);
    // Qt takes the process locale from the environment; our numbers are C.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    installTranslation();
    ensureCjkFont();
}

Application::~Application() = default;

int Application::exec() { return QApplication::exec(); }

std::string Application::fallbackFamily() {
    if (QFontDatabase::hasFamily(QString::fromUtf8(kCjkFamily))) return kCjkFamily;
    return QApplication::font().family().toStdString();
}

}  // namespace fwqt
