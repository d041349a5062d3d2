#include <QDesktopServices>
#include <QFile>
#include <QHBoxLayout>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "fw/registry.h"
#include "fwqt/qt_backend.h"
#include "help_viewer.h"
#include "internal.h"

namespace fwqt {

using detail::qs;

std::filesystem::path helpFolder() {
    auto home = fw::registry::readString(fw::registry::Hive::LocalMachine, "SOFTWARE\\ondrel\\kavrin\\", "xpfileloc");
    std::filesystem::path base;
    if (home && !home->empty()) base = *home;
    else {
        std::error_code ec;
        base = std::filesystem::current_path(ec);
    }
    return base / "help";
}

namespace {
// "0x20000+1000" or "0x203E8" or "132072": terms joined by '+'.
std::optional<unsigned long> contextNumber(const std::string& text) {
    unsigned long sum = 0;
    std::stringstream ss(text);
    std::string term;
    bool any = false;
    while (std::getline(ss, term, '+')) {
        if (term.empty()) return std::nullopt;
        char* end = nullptr;
        unsigned long v = std::strtoul(term.c_str(), &end, 0);
        if (!end || *end != '\0') return std::nullopt;
        sum += v;
        any = true;
    }
    if (!any) return std::nullopt;
    return sum;
}
}  // namespace

std::map<unsigned long, std::string> readContextMap(const std::filesystem::path& file) {
    std::map<unsigned long, std::string> out;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::stringstream ls(line);
        std::string number, page;
        if (!(ls >> number) || number[0] == '#' || !(ls >> page)) continue;
        if (auto n = contextNumber(number)) out[*n] = page;
    }
    return out;
}

std::string helpPageFor(const fw::HelpRequest& r, const std::map<unsigned long, std::string>& contextMap) {
    const std::string index = "index.htm";
    if (r.command == fw::HH_DISPLAY_TOC) return index;
    if (r.command == fw::HH_HELP_CONTEXT) {
        auto it = contextMap.find(static_cast<unsigned long>(r.data));
        return it == contextMap.end() ? index : it->second;
    }
    const std::string sep = "::";
    auto at = r.target.find(sep);
    if (at == std::string::npos) return index;
    std::string page = r.target.substr(at + sep.size());
    while (!page.empty() && (page.front() == '/' || page.front() == '\\')) page.erase(0, 1);
    return page.empty() ? index : page;
}

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window) {
    setWindowTitle(QStringLiteral("Kavrin 帮助"));
    auto* lay = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    m_back = new QToolButton(this);
    m_back->setText(QStringLiteral("后退"));
    m_forward = new QToolButton(this);
    m_forward->setText(QStringLiteral("前进"));
    auto* home = new QToolButton(this);
    home->setText(QStringLiteral("目录"));
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(home);
    bar->addStretch(1);
    lay->addLayout(bar);
    auto* split = new QSplitter(this);
    m_contents = new QTextBrowser(split);
    m_contents->setOpenLinks(false);
    m_page = new QTextBrowser(split);
    m_page->setOpenExternalLinks(true);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 3);
    lay->addWidget(split, 1);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QToolButton::clicked, m_page, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_page, &QTextBrowser::forward);
    connect(m_page, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_page, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(home, &QToolButton::clicked, this, [this] { openPage("index.htm"); });
    connect(m_contents, &QTextBrowser::anchorClicked, this, [this](const QUrl& u) {
        if (u.isLocalFile() || u.isRelative()) m_page->setSource(m_contents->source().resolved(u));
        else QDesktopServices::openUrl(u);
    });
    resize(900, 640);
}

void HelpViewer::loadContents() {
    const auto dir = helpFolder();
    m_contents->setSource(QUrl::fromLocalFile(QString::fromStdString((dir / "index.htm").string())));
    m_map = readContextMap(dir / "context-map.txt");
    m_mapRead = true;
}

void HelpViewer::openPage(const std::string& page) {
    if (!m_mapRead) loadContents();
    std::string file = page, anchor;
    if (auto hash = page.find('#'); hash != std::string::npos) {
        file = page.substr(0, hash);
        anchor = page.substr(hash + 1);
    }
    const auto path = helpFolder() / file;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        m_page->setHtml(QStringLiteral("<h2>找不到帮助页</h2><p>%1</p>").arg(qs(path.string()).toHtmlEscaped()));
        return;
    }
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(path.string()));
    if (!anchor.empty()) url.setFragment(qs(anchor));
    m_page->setSource(url);
}

void HelpViewer::showRequest(const fw::HelpRequest& r) {
    if (!m_mapRead) loadContents();
    openPage(helpPageFor(r, m_map));
    show();
    raise();
    activateWindow();
}

void HelpViewer::showFile(const std::filesystem::path& file) {
    if (!m_mapRead) loadContents();
    m_page->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    show();
    raise();
    activateWindow();
}

}  // namespace fwqt
