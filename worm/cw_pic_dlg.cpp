#include "worm/cw_pic_dlg.h"

#include "resources/tarv/module.h"

CCwPicDlg::CCwPicDlg(int idd, fw::Window* parent) : fw::Dialog(tarv::module(), idd, parent) {
    onPaint([this](fw::Canvas& c) { paint(c); });
}

int CCwPicDlg::bitmapOf(int idd) {
    switch (idd) {
    case IDD_ZC1: return IDB_ZC1;
    case IDD_ZC3: return IDB_ZC3;
    default: return IDB_PAIR;
    }
}

void CCwPicDlg::paint(fw::Canvas& c) {
    const int bitmap = bitmapOf(templateId());
    const fw::Bitmap* b = tarv::module().bitmap(bitmap);
    if (!b) return;
    c.drawBitmap(bitmap, kPictureAt,
                 {kPictureAt.x, kPictureAt.y, kPictureAt.x + b->width, kPictureAt.y + b->height});
    for (const PictureLabel& l : pictureLabels(bitmap))
        c.textOut({kPictureAt.x + l.at.x, kPictureAt.y + l.at.y}, l.text);
}
