#include "shell/kavrin_app.h"

#include <sys/utsname.h>

#include <algorithm>
#include <cctype>

#include "fw/registry.h"
#include "resources/kavrin/module.h"
#include "shell/about_dlg.h"
#include "shell/child_frame.h"
#include "shell/kavrin_doc.h"
#include "shell/kavrin_view.h"
#include "shell/main_frame.h"
#include "shell/splash_wnd.h"

namespace {
constexpr const char* kNot64Bit = "你的操作环境不是Wow64系统，本程序不适宜运行，\n请选择X86版本安装尝试！";
constexpr const char* kBadInstall = "软件安装有问题，请重新安装！";
constexpr const char* kOleFailed = "OLE 初始化失败。请确保 OLE 库是正确的版本。";
constexpr const char* kNotReport = "要打开的文件不是计算数据报告文件！";
}  // namespace

bool runsOn64BitSystem() {
    if (sizeof(void*) != 8) return false;
    utsname u{};
    if (::uname(&u) != 0) return false;
    std::string m = u.machine;
    return m.find("64") != std::string::npos || m == "s390x";
}

bool isReportFileName(std::string_view path) {
    if (path.size() < 4) return false;
    std::string last(path.substr(path.size() - 4));
    std::transform(last.begin(), last.end(), last.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return last == ".cyt" || last == ".tng" || last == ".cwt" || last == ".cxt";
}

CKavrinApp::CKavrinApp() {
    checks.is64BitSystem = runsOn64BitSystem;
    checks.initOle = [] { return true; };
    fw::setAppTitle(kavrin::module().string(kavrin::IDS_APP_TITLE));
    fw::setHelpFile("Kavrin.chm");
    onCommand(fw::cmd::AppAbout, [this] { OnAppAbout(); });
}

bool CKavrinApp::readInstallFolder() {
    auto v = fw::registry::readString(fw::registry::Hive::LocalMachine, kInstallKey, "xpfileloc");
    if (!v || v->size() >= 260) return false;   // the folder buffer holds 260 bytes
    m_installFolder = *v;
    return true;
}

bool CKavrinApp::InitInstance() {
    if (!checks.is64BitSystem || !checks.is64BitSystem()) {
        fw::MessageBox(kNot64Bit, MB_OK | MB_ICONSTOP);
        return false;
    }
    if (!readInstallFolder()) {
        fw::MessageBox(kBadInstall, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    fw::CommandLineInfo cmdInfo;
    CSplashWnd::EnableSplashScreen(cmdInfo.showSplash);
    // Common controls and the framework's base initialisation have nothing to do here.
    if (!checks.initOle || !checks.initOle()) {
        fw::MessageBox(kOleFailed, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    SetRegistryKey("ONDREL");
    SetAppIcon(kavrin::kAppIconName, kavrin::appIconSvg());
    LoadStdProfileSettings(4);

    const fw::Module& res = kavrin::module();
    AddDocTemplate(std::make_unique<fw::DocTemplate>(
        res, kavrin::IDR_KAVRINTYPE, [] { return std::make_unique<CKavrinDoc>(); },
        [] { return std::make_unique<CChildFrame>(); }, [] { return std::make_unique<CKavrinView>(); }));

    auto frame = std::make_unique<CMainFrame>();
    CMainFrame* f = frame.get();
    setMainFrame(std::move(frame));
    if (!f->LoadFrame(res, kavrin::IDR_MAINFRAME)) {
        setMainFrame(nullptr);
        return false;
    }
    f->DragAcceptFiles();

    EnableShellOpen();
    RegisterShellFileTypes(true);

    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo)) return false;

    f->ShowWindow(fw::ShowCmd::Maximized);
    f->UpdateWindow();
    return true;
}

bool CKavrinApp::PreTranslateMessage(const fw::InputMessage& m) {
    if (CSplashWnd::PreTranslateAppMessage(m)) return true;
    return fw::App::PreTranslateMessage(m);
}

void CKavrinApp::OnAppAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}

void CKavrinApp::OnFileOpen() {
    std::error_code ec;
    std::filesystem::path initial = std::filesystem::current_path(ec);
    fw::FileDialog fd(fw::FileMode::Open, {}, {}, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                      "圆柱齿轮计算(*.cyt)|*.cyt|圆锥齿轮(*.tng)|*.tng|蜗杆传动(*.cwt)|*.cwt|摆线传动(*.cxt)|*.cxt|"
                      "All File(*.*)|*.*||");
    fd.setTitle("《Ondrel》 打开已有的报告数据文件");
    fd.setInitialFolder(initial);
    if (fd.DoModal() != IDOK) return;
    std::string path = fw::normalisedPath(fd.path()).string();
    if (!isReportFileName(path)) {
        fw::MessageBox(kNotReport, MB_OK | MB_ICONSTOP);
        return;
    }
    fw::Document* doc = OpenDocumentFile(path);
    if (!doc) return;   // the framework has reported the failure
    doc->SetTitle("查询已有的计算报告" + path);
    doc->UpdateAllViews();
}
