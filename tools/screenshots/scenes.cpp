// The scenes: real dialogs and sheets, filled as a user would see them.
// Add a scene: write a function below that builds the dialog (or sheet),
// hands it to shooter.shoot(name, dlg, fill), and add one line to the list
// in scenes() under its deliverable's heading. The PNG is <name>.png.
#include "samples.h"
#include "shooter.h"

namespace shots {

namespace {

using namespace samples;

// ---- samples ----

void sampleDialog(Shooter& shooter) {
    fw::Dialog dlg(samples::module(), IDD_ALL_KINDS);
    shooter.shoot("samples-dialog", dlg, [](fw::Dialog& d) {
        d.setText(IDC_Z1, "23");
        d.setText(IDC_M, "2.5");
        d.setText(IDC_ALPHA, "20");
        d.setText(IDC_A, "125.000");
        d.checkRadio(IDC_R_POWER, IDC_R_TORQUE, IDC_R_POWER);
        d.setCheck(IDC_CHECK, true);
        d.combo(IDC_GRADE).setCurSel(1);
        d.combo(IDC_FACTOR).setText("1.25");
        d.listBox(IDC_LIST).setCurSel(1);
        auto& v = d.listView(IDC_VIEW);
        v.insertColumn(0, "检查项目", fw::Align::Left, 110);
        v.insertColumn(1, "结果", fw::Align::Center, 60);
        v.insertColumn(2, "解决方法", fw::Align::Left, 90);
        const char* rows[][3] = {{"齿顶变尖", "通过", "Ok!"}, {"根切", "通过", "Ok!"}, {"过渡曲线干涉", "不通过", "增大变位系数"}};
        for (int r = 0; r < 3; ++r) {
            v.insertItem(r, rows[r][0]);
            v.setItemText(r, 1, rows[r][1]);
            v.setItemText(r, 2, rows[r][2]);
        }
        auto& t = d.trackbar(IDC_SLIDER);
        t.setRange(0, 200);
        t.setTicFreq(20);
        t.setPos(60);
        d.datePicker(IDC_DATE).setDate({2024, 5, 6});
        d.setText(IDC_HINT, "按强度计算得到许用模数与中心距，请以此为最小条件进行结构设计");
        d.setFocus(IDC_M);
    });
}

class SamplePage : public fw::PropertyPage {
public:
    SamplePage(int id, unsigned wizardButtons = 0) : fw::PropertyPage(samples::module(), id), m_buttons(wizardButtons) {}
    bool OnSetActive() override {
        if (sheet()->isWizard()) sheet()->SetWizardButtons(m_buttons);
        return fw::PropertyPage::OnSetActive();
    }

private:
    unsigned m_buttons;
};

void sampleSheet(Shooter& shooter) {
    SamplePage p1(IDD_SHEET_P1), p2(IDD_SHEET_P2);
    fw::PropertySheet sheet("几何计算");
    sheet.AddPage(&p1);
    sheet.AddPage(&p2);
    sheet.setHelpButton(true);
    shooter.shoot("samples-sheet", sheet, [&](fw::PropertySheet&) {
        p1.setText(IDC_Z1, "3.2");
        p1.setText(IDC_A, "160");
        p1.setText(IDC_M, "4");
        p1.setCheck(IDC_CHECK, true);
    });
}

void sampleWizard(Shooter& shooter) {
    SamplePage p1(IDD_WIZ_P1, PSWIZB_NEXT), p2(IDD_WIZ_P2, PSWIZB_BACK | PSWIZB_FINISH);
    fw::PropertySheet sheet("设计向导");
    sheet.AddPage(&p1);
    sheet.AddPage(&p2);
    sheet.SetWizardMode();
    sheet.setHelpButton(true);
    shooter.shoot("samples-wizard", sheet, [&](fw::PropertySheet&) {
        p1.setText(IDC_NAME, "减速器高速级");
        p1.setText(IDC_NOTE, "斜齿圆柱齿轮");
    });
}

}  // namespace

const std::vector<Scene>& scenes() {
    static const std::vector<Scene> list = {
        // samples (the backend's own)
        {"samples-dialog", &sampleDialog},
        {"samples-sheet", &sampleSheet},
        {"samples-wizard", &sampleWizard},
        // kavrin
        // corvane
        // pellun
        // belmar, sirrow, tarv
    };
    return list;
}

}  // namespace shots
