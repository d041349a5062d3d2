#include "resources/kavrin/module.h"

namespace kavrin {

void addAboutTemplate(fw::Module& m) {
    using namespace fw;
    m.addDialog({.id = IDD_ABOUTBOX,
                 .caption = "关于 Kavrin",
                 .font = {"宋体", 9},
                 .size = Size{271, 135},
                 .body = {
                     picture(IDC_STATIC, IDR_MAINFRAME).at(11, 17, 21, 20),
                     label("KAVRIN Ver4.00 齿轮设计计算系列程序").at(45, 12, 160, 8),
                     label("更新日期：     2021.10.5").at(45, 26, 160, 8),
                     defButton(IDOK, "确定").at(214, 7, 50, 14),
                     label("", IDC_STATIC, style::Sunken).at(7, 44, 257, 1),
                     label("此版本适用环境要求： Windows Vista，Win7以上/X64;").at(11, 52, 250, 8),
                     label("Internet Explorer 7.0").at(11, 64, 250, 8),
                     label("Ondrel 齿轮传动计算软件工作室").at(11, 84, 250, 8),
                     label("齿轮设计、校核与测绘计算").at(11, 96, 250, 8),
                     label("版权所有 (C) Ondrel").at(11, 108, 250, 8),
                 }});
}

}  // namespace kavrin
