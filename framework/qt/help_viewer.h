// The program's help window: the pages of the help folder in a browser with
// back/forward and the contents page beside it.
#pragma once
#include <filesystem>
#include <QWidget>
#include <map>
#include <string>

#include "fw/services.h"

class QTextBrowser;
class QToolButton;

namespace fwqt {

class HelpViewer : public QWidget {
public:
    HelpViewer();
    // Opens the page a request names and brings the window up.
    void showRequest(const fw::HelpRequest& r);
    // A document of our own outside the help folder (the manual, the worked examples).
    void showFile(const std::filesystem::path& file);
    // Opens a page of the help folder ("Page.htm" or "Page.htm#part").
    void openPage(const std::string& page);
    QTextBrowser* pageBrowser() const { return m_page; }
    QTextBrowser* contentsBrowser() const { return m_contents; }

private:
    void loadContents();
    QTextBrowser* m_contents;
    QTextBrowser* m_page;
    QToolButton* m_back;
    QToolButton* m_forward;
    std::map<unsigned long, std::string> m_map;
    bool m_mapRead = false;
};

}  // namespace fwqt
