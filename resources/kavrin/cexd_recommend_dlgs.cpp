// Templates 134 to 138: the recommendation dialogs of the cycloid wizard's page 1.
#include "cycloid/cdest_cexd_a_dlg.h"
#include "cycloid/cdest_cexd_bc_dlg.h"
#include "cycloid/cdest_cexd_k1_dlg.h"
#include "cycloid/cdest_cexd_k2_dlg.h"
#include "cycloid/cdest_cexd_rp_dlg.h"
#include "resources/kavrin/module.h"

namespace kavrin {

namespace {
using namespace fw;

Node okCancel() { return row({defButton(IDOK, "确定"), button(IDCANCEL, "取消")}); }

template <class D>
DialogTemplate rangeDialog(std::string caption, std::string valueLabel, std::string unit, std::vector<Node> extra = {}) {
    std::vector<Node> body = std::move(extra);
    body.push_back(row({label("", D::IDC_LOW), trackbar(D::IDC_SLIDER), label("", D::IDC_HIGH)}));
    body.push_back(field(std::move(valueLabel), D::IDC_VALUE, std::move(unit)));
    body.push_back(okCancel());
    return dialog(D::IDD, std::move(caption), std::move(body));
}
}  // namespace

void addCexdRecommendTemplates(fw::Module& m) {
    m.addDialog(rangeDialog<CDestCexdK1Dlg>("《Ondrel》Kavrin  短幅系数推荐值", "短幅系数 K1=", ""));
    m.addDialog(rangeDialog<CDestCexdK2Dlg>("《Ondrel》Kavrin  针径系数推荐值", "针径系数 K2=", ""));
    m.addDialog(rangeDialog<CDestCexdRpDlg>(
        "《Ondrel》Kavrin  针齿中心圆半径预定值", "针齿中心圆半径 Rp=", "mm",
        {row({label("推荐范围:"), label("", CDestCexdRpDlg::IDC_RANGE), label("mm")})}));
    DialogTemplate bc = rangeDialog<CDestCexdBcDlg>("《Ondrel》摆线轮齿宽推荐值", "齿宽 bc=", "mm",
                                                    {label("齿宽系数 bc/Rp:")});
    m.addDialog(bc);
    using A = CDestCexdADlg;
    m.addDialog(dialog(A::IDD, "《Ondrel》Kavrin  偏心距选择", {
        group(IDC_STATIC, "偏心距", {
            row({radio(A::IDC_UPPER, "标准上限偏心距:", style::Group), edit(A::IDC_UPPER_VALUE), label("mm")}),
            row({radio(A::IDC_COMPUTED, "计 算 偏 心 距:"), edit(A::IDC_COMPUTED_VALUE), label("mm")}),
            row({radio(A::IDC_LOWER, "标准下限偏心距:"), edit(A::IDC_LOWER_VALUE), label("mm")}),
        }),
        okCancel(),
    }));
}

}  // namespace kavrin
