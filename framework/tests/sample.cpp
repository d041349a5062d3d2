#include "sample.h"

namespace sample {

using namespace fw;

namespace {
Module makeModule() {
    Module m("sample");
    m.addDialog({.id = IDD_SAMPLE,
                 .caption = "样例",
                 .size = Size{200, 150},
                 .body = {
                     field("x =", IDC_X, "mm"),
                     field("n =", IDC_N),
                     field("名称", IDC_NAME),
                     field("齿数", IDC_DIGITS, "", style::Digits),
                     field("结果", IDC_RESULT, "", style::ReadOnly),
                     field("编号", IDC_CODE),
                     label("", IDC_HINT, style::Sunken),
                     group(IDC_BOX1, "直线齿", {radio(IDC_R0, "a", style::Group), radio(IDC_R1, "b")}),
                     group(IDC_BOX2, "曲线齿", {radio(IDC_R2, "c")}),
                     row({radio(IDC_S0, "外", style::Group), radio(IDC_S1, "内", style::Disabled)}),
                     check(IDC_CHECK, "检查"),
                     combo(IDC_LIST, {"乙", "甲", "丙"}, style::DropList | style::Sorted),
                     combo(IDC_EDITABLE, {"0.25", "0.30", "0.35"}, style::DropDown),
                     listBox(IDC_LISTBOX, {"one", "two"}),
                     listView(IDC_VIEW, style::ShowSelAlways),
                     trackbar(IDC_SLIDER, style::Vertical | style::NoTicks).at(10, 20, 9, 100),
                     datePicker(IDC_DATE),
                     picture(IDC_PIC, IDB_CHART, style::Hidden),
                     row({button(IDC_CALC, "计算"), button(IDC_NESTED, "嵌套"), button(IDC_SAVE, "保存"),
                          button(IDC_SCRIBBLE, "画"), defButton(IDOK, "确定"), button(IDCANCEL, "取消")}),
                 }});
    m.addDialog({.id = IDD_NESTED,
                 .caption = "嵌套",
                 .body = {field("v =", IDC_NESTED_VALUE), row({defButton(IDOK, "确定"), button(IDCANCEL, "取消")})}});
    m.addBitmap({.id = IDB_CHART, .width = 40, .height = 30, .rgba = std::vector<std::uint8_t>(40 * 30 * 4, 0xff)});
    m.addString(7, "样例属性表");
    return m;
}
}  // namespace

const Module& module() {
    static const Module m = makeModule();
    return m;
}

SampleDlg::SampleDlg(Window* parent) : Dialog(sample::module(), IDD_SAMPLE, parent) {
    for (int id : {IDC_X, IDC_N, IDC_NAME, IDC_EDITABLE, IDC_DATE}) {
        onKillFocus(id, [this, id] { note("kill", id); });
        onSetFocus(id, [this, id] { note("setfocus", id); });
        onChange(id, [this, id] { note("change", id); });
    }
    onKillFocus(IDC_N, [this] {
        note("kill", IDC_N);
        if (refuseEmptyN && text(IDC_N).empty()) {
            MessageBox("请输入齿数！", {}, MB_ICONEXCLAMATION);
            setFocus(IDC_N);
        }
        if (askBigN && readInteger(IDC_N) > 100 &&
            MessageBox("n = " + text(IDC_N) + " 很大，是否继续？", {}, MB_YESNO | MB_ICONQUESTION) == IDNO)
            editAgain(IDC_N);
    });
    onKillFocus(IDC_X, [this] {
        note("kill", IDC_X);
        if (askBigN) UpdateData(true);
    });
    onDateChange(IDC_DATE, [this] { note("date", IDC_DATE); });
    onSelChange(IDC_LIST, [this] { note("sel", IDC_LIST); });
    onDropDown(IDC_LIST, [this] { note("dropdown", IDC_LIST); });
    onReleased(IDC_SLIDER, [this] {
        note("released", IDC_SLIDER);
        setInteger(IDC_RESULT, trackbar(IDC_SLIDER).pos());
    });
    onClick(IDC_CHECK, [this] { note("click", IDC_CHECK); });
    onClick(IDC_R0, [this] { note("click", IDC_R0); });
    onClick(IDC_VIEW, [this] { note("click", IDC_VIEW); });
    onClick(IDC_CALC, [this] {
        note("click", IDC_CALC);
        if (UpdateData(true)) {
            m_x *= 2;
            UpdateData(false);
        }
    });
    onClick(IDC_NESTED, [this] { onNested(); });
    onClick(IDC_SAVE, [this] { onSave(); });
    onClick(IDC_SCRIBBLE, [this] {
        auto c = clientCanvas();
        c.textOut({5, 5}, "x = " + text(IDC_X));
    });
    onPaint([this](Canvas& c) {
        Rect box{20, 20, 60, 40};
        c.drawBitmap(IDB_CHART, {20, 20}, box);
        c.moveTo({20, 30});
        c.lineTo({60, 30});
    });
}

bool SampleDlg::OnInitDialog() {
    ListView& v = listView(IDC_VIEW);
    v.insertColumn(0, "检查项目", Align::Left, 120);
    v.insertColumn(1, "结果", Align::Center, 60);
    trackbar(IDC_SLIDER).setRange(0, 40);
    return Dialog::OnInitDialog();
}

void SampleDlg::DoDataExchange(Exchange& dx) {
    dx.number(IDC_X, m_x, 1, 100);
    dx.integer(IDC_N, m_n);
    dx.text(IDC_NAME, m_name, 8);
    dx.text(IDC_CODE, m_code);
    dx.radio(IDC_R0, m_mode);
    dx.radio(IDC_S0, m_second);
    dx.check(IDC_CHECK, m_check);
    dx.comboIndex(IDC_LIST, m_pick);
    dx.comboText(IDC_EDITABLE, m_editable);
    dx.trackbar(IDC_SLIDER, m_pos);
    dx.date(IDC_DATE, m_date);
}

void SampleDlg::OnCancel() {
    if (!m_saved && MessageBox("数据尚未保存，是(Yes)否(No)保存数据？", {}, MB_YESNO | MB_ICONQUESTION) == IDYES) return;
    EndDialog(IDCANCEL);
}

void SampleDlg::onSave() {
    FileDialog fd(FileMode::Save, "dat", "*.dat", OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY,
                  "样例数据文件(*.dat)|*.dat|All File(*.*)|*.*||", this);
    fd.setTitle("保存样例");
    fd.setInitialFolder("/tmp/sample-data");
    if (fd.DoModal() != IDOK) return;
    m_savedPath = fd.path();
    m_saved = true;
}

void SampleDlg::onNested() {
    NestedDlg n(this);
    n.m_value = m_x / 10;
    if (n.DoModal() == IDOK) m_nestedValue = n.m_value;
}

}  // namespace sample
